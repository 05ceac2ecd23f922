// TForm10: the view placement dialog.
#include "Unit10.h"

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Расположение вида"));
}
