#pragma once
// A small dialog with one radio group and an OK button, the form of the
// arrow direction and view placement dialogs.

#include <QDialog>
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class CodeDialog : public QDialog
{
    Q_OBJECT
public:
    CodeDialog(const QString &name, const QString &caption, const QStringList &items,
               const QString &okCaption, QSize client, int columns, QWidget *parent);

    // The selected item, -1 when none has been chosen yet.
    int itemIndex() const;
    void setItemIndex(int index);

    QGroupBox *RadioGroup1;
    QList<QRadioButton *> items;
    QPushButton *Button1;

protected:
    // The code for the selected item (1 to 4), or `code` unchanged when none is selected.
    int chosenCode(int code) const { return itemIndex() >= 0 ? itemIndex() + 1 : code; }

private:
    QButtonGroup *m_group;
};
