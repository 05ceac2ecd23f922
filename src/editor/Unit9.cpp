// TForm9: the arrow direction dialog.
#include "Unit9.h"

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Напровление стрелок"));
}
