// The section and manual-entry dialogs and the commands that use them.
#include "app/Unit1.h"
#include "builder/Unit5.h"
#include "builder/Unit6.h"
#include "builderfixture.h"
#include "platform/workspace.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Types text into a box one key at a time (keyClicks cannot type Cyrillic).
void typeInto(QLineEdit *edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

// Answers the section dialog: `act` gets it once it is up.
void answerSection(std::function<void(TForm5 *)> act)
{
    answerNextModal([act](QWidget *widget) {
        QCOMPARE(widget, Form5);
        act(Form5);
    });
}

void answerEntry(const QStringList &fields, QStringList *seen = nullptr)
{
    answerNextModal([=](QWidget *widget) {
        QCOMPARE(widget, Form6);
        const QList<QLineEdit *> edits{Form6->Edit1, Form6->Edit2, Form6->Edit3, Form6->Edit4};
        if (seen) {
            seen->clear();
            for (QLineEdit *edit : edits)
                seen->append(edit->text());
            seen->append(Form6->ComboBox1->currentText());
        }
        for (int i = 0; i < 4; ++i)
            edits[i]->setText(fields.value(i));
        if (fields.size() > 4)
            Form6->ComboBox1->setEditText(fields[4]);
        Form6->Button1->click();
    });
}

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

} // namespace

class TestEntryDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void dialogLayouts();
    void typedSection();
    void chosenSection();
    void emptyBoxStillTyped();
    void cancelAndCloseBox();
    void missingList();
    void unwritableList();
    void manualEntry_data();
    void manualEntry();
    void editFirstChild_data();
    void editFirstChild();
    void editEntry();
    void editSection();
};

void TestEntryDialogs::dialogLayouts()
{
    Builder b;
    QCOMPARE(Form5->windowTitle(), QStringLiteral("Добавить раздел"));
    QCOMPARE(Form5->size(), QSize(294, 77));
    QCOMPARE(Form5->minimumSize(), Form5->maximumSize());
    QCOMPARE(Form5->parentWidget(), b.program.form());
    QCOMPARE(Form5->ComboBox1->geometry().topLeft(), QPoint(8, 8));
    QCOMPARE(Form5->ComboBox1->width(), 260);
    QVERIFY(Form5->ComboBox1->isEditable());
    QCOMPARE(Form5->Button1->text(), QStringLiteral("Добавить"));
    QCOMPARE(Form5->Button1->pos(), QPoint(128, 42));
    QCOMPARE(Form5->Button2->text(), QStringLiteral("Отмена"));
    QCOMPARE(Form5->Button2->pos(), QPoint(209, 42));

    QCOMPARE(Form6->windowTitle(), QStringLiteral("Добавление в ручную"));
    QCOMPARE(Form6->size(), QSize(605, 88));
    QCOMPARE(Form6->minimumSize(), Form6->maximumSize());
    const QList<std::tuple<QWidget *, QLabel *, const char *, int, int, int>> inputs{
        {Form6->Edit1, Form6->Label1, "Позиция", 8, 49, 8},
        {Form6->Edit2, Form6->Label2, "Обозначение", 63, 163, 72},
        {Form6->Edit3, Form6->Label3, "Наименование", 232, 178, 232},
        {Form6->Edit4, Form6->Label4, "Количество", 416, 49, 416},
        {Form6->ComboBox1, Form6->Label5, "Ед. изм.", 504, 49, 504}};
    for (const auto &[input, label, caption, left, width, labelLeft] : inputs) {
        QCOMPARE(input->geometry().topLeft(), QPoint(left, 24));
        QCOMPARE(input->width(), width);
        QCOMPARE(label->text(), QString::fromUtf8(caption));
        QCOMPARE(label->pos(), QPoint(labelLeft, 5));
    }
    QCOMPARE(items(Form6->ComboBox1), QStringList({"шт", "м", "кг", "л"}));
    QCOMPARE(Form6->ComboBox1->currentText(), QStringLiteral("шт"));
    QVERIFY(Form6->ComboBox1->isEditable());
    QCOMPARE(Form6->Button1->text(), QStringLiteral("ОК"));
    QCOMPARE(Form6->Button1->pos(), QPoint(520, 53));
    QCOMPARE(Form6->findChildren<QPushButton *>().size(), 1);
}

void TestEntryDialogs::typedSection()
{
    Builder b;
    writeBytes(b.program.path("Razdel"), cp("Крепёж\r\nПрокладки\r\n"));
    setTree(b.catalog(), "Насос\n\tA\nДругое\n\tB\n\t\tB1\n");
    select(b.catalog(), "B1");
    QStringList shown;
    answerSection([&](TForm5 *dialog) {
        shown = items(dialog->ComboBox1);
        shown.append(dialog->ComboBox1->currentText());
        typeInto(dialog->ComboBox1->lineEdit(), QStringLiteral("Крепёж"));
        dialog->Button1->click();
    });
    b.form->N8Click();
    QCOMPARE(shown, QStringList({"Крепёж", "Прокладки", ""}));
    QCOMPARE(SectionTyped, 1);
    QCOMPARE(readBytes(b.program.path("Razdel")), cp("Крепёж\r\nПрокладки\r\nКрепёж\r\n"));
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(A,Крепёж),Другое(B(B1))"));
    QCOMPARE(selectedNode(b.catalog()), b.catalog()->topLevelItem(0)->child(1));
}

void TestEntryDialogs::chosenSection()
{
    Builder b;
    const QByteArray list = cp("Крепёж\r\nПрокладки\r\n");
    writeBytes(b.program.path("Razdel"), list);
    setTree(b.catalog(), "Насос\n");
    SectionTyped = 1;
    answerSection([](TForm5 *dialog) {
        dialog->ComboBox1->setCurrentIndex(1);
        emit dialog->ComboBox1->activated(1);
        dialog->Button1->click();
    });
    b.form->Button3Click();
    QCOMPARE(SectionTyped, 0);
    QCOMPARE(readBytes(b.program.path("Razdel")), list);
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(Прокладки)"));
}

void TestEntryDialogs::emptyBoxStillTyped()
{
    Builder b;
    writeBytes(b.program.path("Razdel"), cp("Крепёж\r\n"));
    setTree(b.catalog(), "Насос\n");
    SectionTyped = 1; // typed in an earlier opening
    answerSection([](TForm5 *dialog) { dialog->Button1->click(); });
    b.form->N8Click();
    QCOMPARE(readBytes(b.program.path("Razdel")), cp("Крепёж\r\n\r\n"));
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос"));
}

void TestEntryDialogs::cancelAndCloseBox()
{
    Builder b;
    const QByteArray list = cp("Крепёж\r\n");
    writeBytes(b.program.path("Razdel"), list);
    setTree(b.catalog(), "Насос\n");
    answerSection([](TForm5 *dialog) {
        typeInto(dialog->ComboBox1->lineEdit(), QStringLiteral("Новый"));
        dialog->Button2->click();
    });
    b.form->N8Click();
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос"));
    QCOMPARE(Form5->ComboBox1->count(), 0);

    answerSection([](TForm5 *dialog) {
        typeInto(dialog->ComboBox1->lineEdit(), QStringLiteral("Новый"));
        dialog->close();
    });
    b.form->N8Click();
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(Новый)"));

    // Escape is the cancel button's key.
    answerSection([](TForm5 *dialog) {
        typeInto(dialog->ComboBox1->lineEdit(), QStringLiteral("Ещё"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    b.form->N8Click();
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(Новый)"));
    QCOMPARE(readBytes(b.program.path("Razdel")), list);
}

void TestEntryDialogs::missingList()
{
    Builder b;
    setTree(b.catalog(), "Насос\n");
    answerMessageBox(QMessageBox::Ok);
    answerSection([](TForm5 *dialog) {
        QCOMPARE(dialog->ComboBox1->count(), 0);
        typeInto(dialog->ComboBox1->lineEdit(), QStringLiteral("Крепёж"));
        dialog->Button1->click();
    });
    b.form->N8Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(b.program.path("Razdel")));
    QCOMPARE(readBytes(b.program.path("Razdel")), cp("Крепёж\r\n"));
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(Крепёж)"));
}

void TestEntryDialogs::unwritableList()
{
    Builder b;
    QDir().mkpath(b.program.path("Razdel"));
    setTree(b.catalog(), "Насос\n");
    QStringList listAfterFailure;
    bool stayedOpen = false;
    answerMessageBox(QMessageBox::Ok); // the list cannot be read
    answerSection([&](TForm5 *dialog) {
        typeInto(dialog->ComboBox1->lineEdit(), QStringLiteral("Крепёж"));
        answerMessageBox(QMessageBox::Ok); // nor written
        dialog->Button1->click();
        stayedOpen = dialog->isVisible();
        listAfterFailure = items(dialog->ComboBox1);
        dialog->Button2->click();
    });
    b.form->N8Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(seenMessages().size(), 2);
    QVERIFY(seenMessages().at(1).contains(b.program.path("Razdel")));
    QVERIFY(stayedOpen);
    QCOMPARE(listAfterFailure, QStringList{"Крепёж"});
    QVERIFY(QFileInfo(b.program.path("Razdel")).isDir());
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос"));
}

void TestEntryDialogs::manualEntry_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    QTest::newRow("under selected node")
        << "A" << QStringList({"3", "Б.01", "Болт", "4", "кг"}) << "Насос(A(3|Б.01|Болт|4|кг|))";
    QTest::newRow("no selection: top level")
        << "" << QStringList({"3", "", "", ""}) << "Насос(A),3||||шт|";
    QTest::newRow("empty position dropped")
        << "A" << QStringList({"", "Б.01", "Болт", "4"}) << "Насос(A)";
    QTest::newRow("texts go in unchanged")
        << "A" << QStringList({" 7", "a|b", "", "", "пог. м"}) << "Насос(A( 7|a|b|||пог. м|))";
}

void TestEntryDialogs::manualEntry()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    Builder b;
    setTree(b.catalog(), "Насос\n\tA\n");
    if (!selected.isEmpty())
        select(b.catalog(), selected);
    Form6->Edit1->setText("stale");
    QStringList seen;
    answerEntry(fields, &seen);
    b.form->Button4Click();
    QCOMPARE(seen, QStringList({"", "", "", "", "шт"}));
    QCOMPARE(shape(b.catalog()), expected);
    // The unit box keeps its last text for the next entry.
    answerEntry({"4"}, &seen);
    b.form->N12Click();
    QCOMPARE(seen.last(), fields.value(4, QStringLiteral("шт")));
}

void TestEntryDialogs::editFirstChild_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    QTest::newRow("answered") << "Новый текст" << true << "Новый текст";
    QTest::newRow("cancelled") << "" << false << "1|A|Корпус|1|м|";
    QTest::newRow("emptied") << "" << true << "";
}

void TestEntryDialogs::editFirstChild()
{
    QFETCH(QString, answer);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    Builder b;
    setTree(b.catalog(), "Насос\n\tРаздел\n\t\t1|A|Корпус|1|м|\n\t\t2|B|Вал|1|м|\n");
    select(b.catalog(), QStringLiteral("1|A|Корпус|1|м|"));
    QStringList seen;
    answerInput(answer, ok, &seen);
    b.form->N15Click();
    QCOMPARE(seen, QStringList({"Ввод", "Головная сборка", "1|A|Корпус|1|м|"}));
    QCOMPARE(b.catalog()->topLevelItem(0)->child(0)->child(0)->text(0), expected);
}

void TestEntryDialogs::editEntry()
{
    Builder b;
    setTree(b.catalog(), "Насос\n\t1|A|Корпус|1|шт|\n\t2|B|Вал|3|м|\n");
    Form6->ComboBox1->setEditText(QStringLiteral("шт"));
    select(b.catalog(), QStringLiteral("2|B|Вал|3|м|"));
    QStringList seen;
    answerEntry({"2", "B", "Вал", "5"}, &seen);
    b.form->N15Click();
    QCOMPARE(seen, QStringList({"2", "B", "Вал", "3", "шт"}));
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(1|A|Корпус|1|шт|,2|B|Вал|5|шт|)"));

    b.catalog()->clearSelection();
    b.form->N15Click();
    QVERIFY(modalAnswersDone());
}

void TestEntryDialogs::editSection()
{
    Builder b;
    setTree(b.catalog(), "Насос\n\t1|A|Корпус|1|шт|\n\tРаздел\n");
    select(b.catalog(), QStringLiteral("Раздел"));
    QStringList seen;
    answerEntry({}, &seen);
    b.form->N15Click();
    QCOMPARE(seen.mid(0, 4), QStringList({"", "", "", ""}));
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(1|A|Корпус|1|шт|,Раздел)"));
    answerEntry({"7", "C", "Крышка", "1", "шт"});
    b.form->N15Click();
    QCOMPARE(shape(b.catalog()), QStringLiteral("Насос(1|A|Корпус|1|шт|,7|C|Крышка|1|шт|)"));
}

QTEST_MAIN(TestEntryDialogs)
#include "tst_entrydialogs.moc"
