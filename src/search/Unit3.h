#pragma once
// TForm3: the export of an assembly's files into the archive.

#include <QDialog>

class TForm3 : public QDialog
{
    Q_OBJECT
  public:
    explicit TForm3(QWidget *parent = nullptr);
};

extern TForm3 *Form3;
