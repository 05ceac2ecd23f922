#pragma once
// The raised panels and gap-free layouts the windows are built from.

#include <QBoxLayout>
#include <QFrame>

QFrame *makePanel(const QString &name, QWidget *parent);

// A layout that fills its owner edge to edge.
QBoxLayout *fillLayout(QBoxLayout::Direction direction, QWidget *owner);

// Fills the panel with one widget.
void fillWith(QWidget *panel, QWidget *content);
