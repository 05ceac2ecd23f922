#pragma once
// TForm8: the choice of view or section for a new picture.

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;
class PictureBox;

class TForm8 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QComboBox *ComboBox1;
    QComboBox *ComboBox2;
    PictureBox *Image1;
    QPushButton *Button1;

    // The text of the combo box of the chosen kind: the new picture's suffix.
    QString suffix() const;

public slots:
    void FormShow();
    void RadioButton1Click();
    void RadioButton2Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
};

extern TForm8 *Form8;
