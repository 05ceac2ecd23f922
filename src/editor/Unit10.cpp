// TForm10: the view placement dialog.
#include "Unit10.h"

#include "editorstate.h"

#include <QPushButton>

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent)
    : CodeDialog(QStringLiteral("Form10"), QStringLiteral("Расположение вида"),
                 {QStringLiteral("Верх - Право"), QStringLiteral("Верх - Лево"),
                  QStringLiteral("Низ - Лево"), QStringLiteral("Низ - Право")},
                 QStringLiteral("OK"), QSize(200, 101), 2, parent)
{
    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
}

void TForm10::Button1Click()
{
    editorState.placementCode = chosenCode(editorState.placementCode);
    accept();
}
