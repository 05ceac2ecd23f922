#pragma once
// TForm5: the dialog that adds a section.

#include <QDialog>

class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};

extern TForm5 *Form5;
