#pragma once
// TForm8: the choice of view or section for a new picture.

#include <QDialog>

class TForm8 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
};

extern TForm8 *Form8;
