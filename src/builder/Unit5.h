#pragma once
// TForm5: the dialog that adds a section.

#include <QDialog>

class QComboBox;
class QPushButton;

// 1 once a key was typed in the section box, 0 once a name was chosen from
// its list; kept from one opening of the dialog to the next.
extern int SectionTyped;

class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    QComboBox *ComboBox1;
    QPushButton *Button1;
    QPushButton *Button2;

public slots:
    void FormShow();
    void ComboBox1KeyPress();
    void ComboBox1Select();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TForm5 *Form5;
