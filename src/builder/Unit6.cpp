// TForm6: the dialog for an entry typed by hand.
#include "Unit6.h"

TForm6 *Form6 = nullptr;

TForm6::TForm6(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Добавление в ручную"));
}
