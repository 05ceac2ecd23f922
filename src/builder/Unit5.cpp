// TForm5: the dialog that adds a section.
#include "Unit5.h"

#include "catalog/specfile.h"
#include "platform/guard.h"
#include "platform/textentry.h"
#include "platform/workspace.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TForm5 *Form5 = nullptr;
int SectionTyped = 0;

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Добавить раздел"));
    setFixedSize(294, 77);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(8, 8, 260, 21);
    restrictToCp1251(ComboBox1);
    ComboBox1->lineEdit()->installEventFilter(this);
    connect(ComboBox1, &QComboBox::activated, this, &TForm5::ComboBox1Select);

    Button1 = new QPushButton(QStringLiteral("Добавить"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(128, 42, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);

    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(209, 42, 75, 25);
    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
}

void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TForm5::keyPressEvent(QKeyEvent *event)
{
    // Escape is the cancel button's key; the close box keeps the typed text.
    if (event->key() == Qt::Key_Escape) {
        Button2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm5::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ComboBox1->lineEdit() && event->type() == QEvent::KeyPress &&
        !static_cast<QKeyEvent *>(event)->text().isEmpty())
        ComboBox1KeyPress();
    return QDialog::eventFilter(watched, event);
}

void TForm5::FormShow()
{
    ComboBox1->clear();
    ComboBox1->clearEditText();
    // Without a readable list the dialog still works; the first typed name
    // accepted creates the file.
    guarded(this, [&] { ComboBox1->addItems(readSectionList(BaseDir)); });
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
}

void TForm5::ComboBox1KeyPress()
{
    SectionTyped = 1;
}

void TForm5::ComboBox1Select()
{
    SectionTyped = 0;
}

void TForm5::Button1Click()
{
    const bool written = guarded(this, [&] {
        if (SectionTyped != 1)
            return;
        ComboBox1->addItem(ComboBox1->currentText());
        QStringList sections;
        for (int i = 0; i < ComboBox1->count(); ++i)
            sections.append(ComboBox1->itemText(i));
        writeSectionList(BaseDir, sections);
    });
    if (written)
        accept();
}

void TForm5::Button2Click()
{
    ComboBox1->clear();
    ComboBox1->clearEditText();
    accept();
}
