// TForm8: the choice of view or section for a new picture.
#include "Unit8.h"

#include "platform/picturebox.h"
#include "platform/textentry.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

TForm8 *Form8 = nullptr;

namespace {

const char *const viewLetters[] = {"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "К", "Л", "М",
                                   "Н", "О", "П", "Р", "С", "Т", "У", "Ф", "Х", "Ц", "Ч"};

QComboBox *makeCombo(const char *name, const QStringList &items, int top, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    combo->move(112, top);
    combo->resize(145, combo->sizeHint().height());
    restrictToCp1251(combo);
    return combo;
}

} // namespace

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Добавление картинки"));
    setFixedSize(552, 259);

    QStringList views{QStringLiteral("Общий вид")};
    QStringList letters;
    for (const char *letter : viewLetters) {
        letters.append(QString::fromUtf8(letter));
        views.append(QStringLiteral("Вид ") + letters.last());
    }

    RadioButton1 = new QRadioButton(QStringLiteral("Вид"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->move(24, 40);
    RadioButton2 = new QRadioButton(QStringLiteral("Разрез"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->move(24, 88);
    ComboBox1 = makeCombo("ComboBox1", views, 34, this);
    ComboBox2 = makeCombo("ComboBox2", letters, 82, this);

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(288, 1, 259, 254);

    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(207, 231, 75, 25);

    connect(RadioButton1, &QRadioButton::clicked, this, &TForm8::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TForm8::RadioButton2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
}

QString TForm8::suffix() const
{
    return RadioButton1->isChecked() ? ComboBox1->currentText() : ComboBox2->currentText();
}

void TForm8::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TForm8::FormShow()
{
    RadioButton1Click();
}

void TForm8::RadioButton1Click()
{
    RadioButton2->setChecked(false);
    ComboBox2->setEnabled(false);
    RadioButton1->setChecked(true);
    ComboBox1->setEnabled(true);
}

void TForm8::RadioButton2Click()
{
    RadioButton1->setChecked(false);
    ComboBox1->setEnabled(false);
    RadioButton2->setChecked(true);
    ComboBox2->setEnabled(true);
}

void TForm8::Button1Click()
{
    accept();
}
