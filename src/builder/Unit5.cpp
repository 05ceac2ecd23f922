// TForm5: the dialog that adds a section.
#include "Unit5.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Добавить раздел"));
}
