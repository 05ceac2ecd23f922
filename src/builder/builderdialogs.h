#pragma once
// The small modal questions of the builder window.

#include <QString>

class QFileDialog;
class QWidget;

// An input box: the typed text on OK, `defaultText` when cancelled. The box
// takes only characters the files can hold.
QString askText(QWidget *parent, const QString &caption, const QString &prompt,
                const QString &defaultText);

// True when the user answers OK.
bool askOkCancel(QWidget *parent, const QString &text, const QString &caption);

void showMessage(QWidget *parent, const QString &text);

// Shows the mask, and lists the files it matches without regard to letter
// case, as the case-blind file systems the masks were made for would.
void setCaseBlindFilter(QFileDialog *dialog, const QString &mask);

// Shows a file dialog opened in `folder` with no name filled in; the chosen
// path, empty when the user cancelled.
QString chooseFile(QFileDialog *dialog, const QString &folder);
