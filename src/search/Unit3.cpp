// TForm3: the export of an assembly's files into the archive.
#include "Unit3.h"

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
}
