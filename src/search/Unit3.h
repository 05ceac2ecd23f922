#pragma once
// TForm3: the export of an assembly's files into the archive.

#include "exportfiles.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class TForm3 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    QListWidget *ListBox1;
    QListWidget *ListBox2;
    QListWidget *ListBox3;
    QWidget *Panel1;
    QLabel *Label1;
    QPushButton *Button2;
    QPushButton *Button1;

    // Shows the lists; the caption is the text by which the archive object is found.
    void setLists(const ExportLists &lists);
    ExportLists lists() const;

public slots:
    void Button1Click();
    void Button2Click();
};

extern TForm3 *Form3;
