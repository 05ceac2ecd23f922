// TForm11: the picture picker.
#include "Unit11.h"

TForm11 *Form11 = nullptr;

TForm11::TForm11(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Form11"));
}
