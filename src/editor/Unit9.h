#pragma once
// TForm9: the arrow direction dialog.

#include "codedialog.h"

class TForm9 : public CodeDialog
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

public slots:
    void Button1Click();
};

extern TForm9 *Form9;
