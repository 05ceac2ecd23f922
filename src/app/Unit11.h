#pragma once
// TForm11: the picture picker.

#include <QDialog>

class TForm11 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);
};

extern TForm11 *Form11;
