#include "textentry.h"

#include "catalog/codec.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>

QValidator::State Cp1251Validator::validate(QString &input, int &) const
{
    return cp1251::canEncode(input) ? Acceptable : Invalid;
}

void restrictToCp1251(QLineEdit *edit)
{
    edit->setValidator(new Cp1251Validator(edit));
}

void restrictToCp1251(QComboBox *combo)
{
    combo->setValidator(new Cp1251Validator(combo));
}

QWidget *Cp1251ItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        restrictToCp1251(edit);
    return editor;
}

QString askText(QWidget *parent, const QString &caption, const QString &prompt,
                const QString &defaultText)
{
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (auto *edit = box.findChild<QLineEdit *>()) {
        restrictToCp1251(edit);
        // Wide enough for the caption and a designation; the box sizes
        // itself to its contents.
        edit->setMinimumWidth(300);
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : defaultText;
}
