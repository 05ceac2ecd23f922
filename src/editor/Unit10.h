#pragma once
// TForm10: the view placement dialog.

#include "codedialog.h"

class TForm10 : public CodeDialog
{
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);

public slots:
    void Button1Click();
};

extern TForm10 *Form10;
