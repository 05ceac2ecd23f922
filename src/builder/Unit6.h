#pragma once
// TForm6: the dialog for an entry typed by hand.

#include <QDialog>

class TForm6 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};

extern TForm6 *Form6;
