#pragma once
// Text entry that refuses characters the Windows-1251 files cannot hold, so
// nothing typed is ever lost when it is written.

#include <QStyledItemDelegate>
#include <QValidator>

class QLineEdit;
class QComboBox;

class Cp1251Validator : public QValidator
{
public:
    explicit Cp1251Validator(QObject *parent = nullptr) : QValidator(parent) {}
    State validate(QString &input, int &pos) const override;
};

void restrictToCp1251(QLineEdit *edit);
void restrictToCp1251(QComboBox *combo);

// An input box: caption, prompt and default; cancelling gives the default.
// Its entry refuses characters the files cannot hold.
QString askText(QWidget *parent, const QString &caption, const QString &prompt,
                const QString &defaultText);

// In-place editing of tree and list items with the same restriction.
class Cp1251ItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};
