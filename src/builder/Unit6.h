#pragma once
// TForm6: the dialog for an entry typed by hand.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm6 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QComboBox *ComboBox1;
    QPushButton *Button1;

public slots:
    void Button1Click();
};

extern TForm6 *Form6;
