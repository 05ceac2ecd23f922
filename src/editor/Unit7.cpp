// TForm7: the illustration editor.
#include "Unit7.h"

TForm7 *Form7 = nullptr;

TForm7::TForm7(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Form7"));
}
