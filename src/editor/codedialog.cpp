#include "codedialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CodeDialog::CodeDialog(const QString &name, const QString &caption, const QStringList &itemTexts,
                       const QString &okCaption, QSize client, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(client);
    RadioGroup1 = new QGroupBox(caption, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 4, client.width() - 16, client.height() - 41);
    m_group = new QButtonGroup(this);
    auto *column = new QVBoxLayout(RadioGroup1);
    column->setContentsMargins(8, 4, 8, 4);
    column->setSpacing(0);
    for (int i = 0; i < itemTexts.size(); ++i) {
        auto *item = new QRadioButton(itemTexts.at(i), RadioGroup1);
        item->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        m_group->addButton(item, i);
        column->addWidget(item);
        items.append(item);
    }
    Button1 = new QPushButton(okCaption, this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry((client.width() - 75) / 2, client.height() - 31, 75, 25);
    Button1->setDefault(true);
}

int CodeDialog::itemIndex() const
{
    return m_group->checkedId();
}

void CodeDialog::setItemIndex(int index)
{
    if (QAbstractButton *button = m_group->button(index)) {
        button->setChecked(true);
        return;
    }
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(true);
}
