#include "codedialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

CodeDialog::CodeDialog(const QString &name, const QString &caption, const QStringList &itemTexts,
                       const QString &okCaption, QSize client, int columns, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(client);
    RadioGroup1 = new QGroupBox(caption, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(4, 2, client.width() - 8, client.height() - 37);
    m_group = new QButtonGroup(this);
    auto *grid = new QGridLayout(RadioGroup1);
    grid->setContentsMargins(4, 2, 0, 2);
    grid->setSpacing(0);
    // Items fill the columns one after the other, top to bottom.
    const int rows = int((itemTexts.size() + columns - 1) / columns);
    for (int i = 0; i < itemTexts.size(); ++i) {
        auto *item = new QRadioButton(itemTexts.at(i), RadioGroup1);
        item->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        m_group->addButton(item, i);
        grid->addWidget(item, i % rows, i / rows);
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
