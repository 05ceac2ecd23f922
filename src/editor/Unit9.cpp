// TForm9: the arrow direction dialog.
#include "Unit9.h"

#include "editorstate.h"

#include <QPushButton>

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent)
    : CodeDialog(QStringLiteral("Form9"), QStringLiteral("Напровление стрелок"),
                 {QStringLiteral("Вправо"), QStringLiteral("Влево"), QStringLiteral("Вверх"),
                  QStringLiteral("Вниз")},
                 QStringLiteral("ОК"), QSize(214, 112), 1, parent)
{
    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

void TForm9::Button1Click()
{
    editorState.directionCode = chosenCode(editorState.directionCode);
    accept();
}
