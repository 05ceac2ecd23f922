// TForm8: the choice of view or section for a new picture.
#include "Unit8.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Добавление картинки"));
}
