#include "panels.h"

QFrame *makePanel(const QString &name, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

QBoxLayout *fillLayout(QBoxLayout::Direction direction, QWidget *owner)
{
    auto *layout = new QBoxLayout(direction, owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

void fillWith(QWidget *panel, QWidget *content)
{
    fillLayout(QBoxLayout::TopToBottom, panel)->addWidget(content);
}
