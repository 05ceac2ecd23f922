// TForm6: the dialog for an entry typed by hand.
#include "Unit6.h"

#include "platform/textentry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm6 *Form6 = nullptr;

TForm6::TForm6(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Добавление в ручную"));
    setFixedSize(605, 88);

    const auto addLabel = [&](const QString &name, const QString &caption, int left) {
        auto *label = new QLabel(caption, this);
        label->setObjectName(name);
        label->move(left, 5);
        label->adjustSize();
        return label;
    };
    const auto addEdit = [&](const QString &name, int left, int width) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setGeometry(left, 24, width, 21);
        restrictToCp1251(edit);
        return edit;
    };
    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Позиция"), 8);
    Edit1 = addEdit(QStringLiteral("Edit1"), 8, 49);
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("Обозначение"), 72);
    Edit2 = addEdit(QStringLiteral("Edit2"), 63, 163);
    Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("Наименование"), 232);
    Edit3 = addEdit(QStringLiteral("Edit3"), 232, 178);
    Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("Количество"), 416);
    Edit4 = addEdit(QStringLiteral("Edit4"), 416, 49);
    Label5 = addLabel(QStringLiteral("Label5"), QStringLiteral("Ед. изм."), 504);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(
        {QStringLiteral("шт"), QStringLiteral("м"), QStringLiteral("кг"), QStringLiteral("л")});
    ComboBox1->setEditText(QStringLiteral("шт"));
    ComboBox1->setGeometry(504, 24, 49, 21);
    restrictToCp1251(ComboBox1);

    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(520, 53, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

void TForm6::Button1Click()
{
    accept();
}
