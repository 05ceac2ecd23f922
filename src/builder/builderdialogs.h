#pragma once
// The small modal questions of the builder window.

#include "platform/textentry.h"

#include <QString>

class QFileDialog;
class QWidget;

// True when the user answers OK.
bool askOkCancel(QWidget *parent, const QString &text, const QString &caption);

void showMessage(QWidget *parent, const QString &text);

// Shows the mask, and lists the files it matches without regard to letter
// case, as the case-blind file systems the masks were made for would.
void setCaseBlindFilter(QFileDialog *dialog, const QString &mask);

// Shows a file dialog opened in `folder` with no name filled in; the chosen
// path, empty when the user cancelled.
QString chooseFile(QFileDialog *dialog, const QString &folder);
