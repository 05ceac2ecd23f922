// TForm4: the catalogue tree builder.
#include "Unit4.h"

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Создание дерева для каталога"));
}
