#pragma once
// TForm7: the illustration editor.

#include <QDialog>

class TForm7 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);
};

extern TForm7 *Form7;
