#include "answers.h"
#include "app/Unit11.h"
#include "catalog/error.h"
#include "platform/filelistbox.h"
#include "programfixture.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestPicker : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsPicturesWhateverTheCase();
    void sameFolderKeepsListAndSelection();
    void otherFolderStartsWithoutSelection();
    void missingFolder();
    void buttonsAndWindowClose();
    void emptyFolder();
    void preview();

private:
    QString folder(const QString &name) const { return m_program->path("Pic/" + name + "/"); }
    void picture(const QString &path, QSize size = {40, 30})
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QDir().mkpath(QFileInfo(path).absolutePath());
        image.save(path, "JPEG");
    }
    void select(const QString &name)
    {
        const auto found = Form11->FileListBox1->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        Form11->FileListBox1->setItemIndex(Form11->FileListBox1->row(found.first()));
    }
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < Form11->FileListBox1->count(); ++i)
            names.append(Form11->FileListBox1->item(i)->text());
        return names;
    }

    std::unique_ptr<ProgramFixture> m_program;
};

void TestPicker::init()
{
    seenMessages().clear();
    answers = new Answers;
    m_program = std::make_unique<ProgramFixture>();
    m_program->start();
    for (const char *name :
         {"Насос_Б.jpg", "Насос_А.Jpg", "Насос_В.JPG", "Насос.png", "Насос.Jpg.txt"})
        picture(folder("Насос") + QString::fromUtf8(name));
    picture(folder("Вал") + QStringLiteral("Вал_Общий вид.Jpg"));
}

void TestPicker::cleanup()
{
    delete answers;
    answers = nullptr;
    m_program.reset();
}

void TestPicker::listsPicturesWhateverTheCase()
{
    Form11->setFolder(folder("Насос"));
    QCOMPARE(listed(), (QStringList{"Насос_А.Jpg", "Насос_Б.jpg", "Насос_В.JPG"}));
    QCOMPARE(Form11->itemIndex(), -1);
    QCOMPARE(Form11->fileName(), QString());
    QCOMPARE(Form11->filePath(), QString());
}

void TestPicker::sameFolderKeepsListAndSelection()
{
    Form11->setFolder(folder("Насос"));
    select(QStringLiteral("Насос_Б.jpg"));
    picture(folder("Насос") + QStringLiteral("Насос_Г.Jpg"));
    Form11->setFolder(folder("Насос"));
    QCOMPARE(listed().size(), 3);
    QCOMPARE(Form11->fileName(), QStringLiteral("Насос_Б.jpg"));
    QCOMPARE(Form11->filePath(), folder("Насос") + QStringLiteral("Насос_Б.jpg"));
    // Shown again, "ОК" at once chooses the same picture.
    answerNextModal([](QWidget *) { Form11->Button1->click(); });
    Form11->exec();
    QCOMPARE(Form11->fileName(), QStringLiteral("Насос_Б.jpg"));
    // Listing another folder in between brings the new picture in.
    Form11->setFolder(folder("Вал"));
    Form11->setFolder(folder("Насос"));
    QCOMPARE(listed().size(), 4);
    QCOMPARE(Form11->itemIndex(), -1);
}

void TestPicker::otherFolderStartsWithoutSelection()
{
    Form11->setFolder(folder("Насос"));
    select(QStringLiteral("Насос_А.Jpg"));
    // A folder holding a picture of the same name still starts unselected.
    picture(folder("Вал") + QStringLiteral("Насос_А.Jpg"));
    Form11->setFolder(folder("Вал"));
    QCOMPARE(listed(), (QStringList{"Вал_Общий вид.Jpg", "Насос_А.Jpg"}));
    QCOMPARE(Form11->itemIndex(), -1);
}

void TestPicker::missingFolder()
{
    Form11->setFolder(folder("Насос"));
    select(QStringLiteral("Насос_А.Jpg"));
    try {
        Form11->setFolder(folder("Нет"));
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QVERIFY(error.message().contains(QStringLiteral("Нет")));
    }
    QCOMPARE(Form11->folder(), folder("Насос"));
    QCOMPARE(Form11->fileName(), QStringLiteral("Насос_А.Jpg"));
    // The listed folder vanishing between two showings is an error too, and
    // the list stays as it was.
    QDir(folder("Насос")).removeRecursively();
    QVERIFY_THROWS_EXCEPTION(IpcatError, Form11->setFolder(folder("Насос")));
    QCOMPARE(listed().size(), 3);
    QCOMPARE(Form11->fileName(), QStringLiteral("Насос_А.Jpg"));
}

void TestPicker::buttonsAndWindowClose()
{
    Form11->setFolder(folder("Насос"));
    select(QStringLiteral("Насос_В.JPG"));
    answerNextModal([](QWidget *widget) { widget->close(); });
    Form11->exec();
    QCOMPARE(Form11->fileName(), QStringLiteral("Насос_В.JPG"));
    answerNextModal([](QWidget *) { Form11->Button2->click(); });
    Form11->exec();
    QCOMPARE(Form11->itemIndex(), -1);
    answerNextModal([](QWidget *) { Form11->Button1->click(); });
    Form11->exec();
    QCOMPARE(Form11->itemIndex(), -1);
    QVERIFY(answers->done());
}

void TestPicker::emptyFolder()
{
    QDir().mkpath(folder("Пусто"));
    Form11->setFolder(folder("Пусто"));
    QVERIFY(listed().isEmpty());
    answerNextModal([](QWidget *) { Form11->Button1->click(); });
    Form11->exec();
    QCOMPARE(Form11->itemIndex(), -1);
}

void TestPicker::preview()
{
    picture(folder("Насос") + QStringLiteral("Насос_Большой.Jpg"), {1600, 400});
    writeBytes(folder("Насос") + QStringLiteral("Насос_Пустой.Jpg"), "");
    Form11->setFolder(folder("Насос"));
    select(QStringLiteral("Насос_Большой.Jpg"));
    Form11->FileListBox1Click();
    QCOMPARE(Form11->Image1->pixmap().size(), QSize(384, 96));
    QVERIFY(Form11->Image1->alignment() & Qt::AlignCenter);
    // A small picture is shown as it is.
    select(QStringLiteral("Насос_А.Jpg"));
    Form11->FileListBox1Click();
    QCOMPARE(Form11->Image1->pixmap().size(), QSize(40, 30));
    // A picture that cannot be read: a message, the selection and the preview stay.
    select(QStringLiteral("Насос_Пустой.Jpg"));
    answerMessageBox(QMessageBox::Ok);
    Form11->FileListBox1Click();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(QStringLiteral("Насос_Пустой.Jpg")));
    QCOMPARE(Form11->fileName(), QStringLiteral("Насос_Пустой.Jpg"));
    QCOMPARE(Form11->Image1->pixmap().size(), QSize(40, 30));
}

QTEST_MAIN(TestPicker)
#include "tst_picker.moc"
