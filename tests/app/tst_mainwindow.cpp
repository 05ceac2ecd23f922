#include "app/Unit1.h"
#include "builder/Unit4.h"
#include "editor/Unit7.h"
#include "modal.h"
#include "platform/filelistbox.h"
#include "platform/pictureview.h"
#include "platform/workspace.h"
#include "programfixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

template <typename T> T *child(QObject *owner, const char *name)
{
    T *found = owner->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// Visibility of TreeView1, FileListBox1, Button1, Button2, Button4, Button3.
QList<bool> shown(TForm1 *form)
{
    return {!form->TreeView1->isHidden(), !form->FileListBox1->isHidden(),
            !form->Button1->isHidden(),   !form->Button2->isHidden(),
            !form->Button4->isHidden(),   !form->Button3->isHidden()};
}

QStringList topTexts(QTreeWidget *tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts.append(tree->topLevelItem(i)->text(0));
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void cleanup() { clearModalAnswers(); }
    void firstStartCreatesWorkspace();
    void windowsAndLayout();
    void menusAndToolbar();
    void treeDatShownAndViewsSwitch();
    void onlyBaseDirTreeDatCounts();
    void reloadWithoutTreeDatKeepsTree();
    void badTreeDatStillStarts();
    void blockedWorkspaceStillStarts();
    void builderOpensModally();
    void restartsCleanly();
};

void TestMainWindow::firstStartCreatesWorkspace()
{
    ProgramFixture program;
    TForm1 *form = program.start();
    for (const char *folder : {"Pic", "DATA", "Gen", "SP"})
        QVERIFY2(QFileInfo(program.path(folder)).isDir(), folder);
    QCOMPARE(BaseDir, program.baseDir());
    QCOMPARE(SpDir, program.path("SP/"));
    QCOMPARE(EditMode, 0);
    QCOMPARE(shown(form), QList<bool>({true, false, false, false, false, false}));
    QCOMPARE(form->TreeView1->topLevelItemCount(), 0);
    QVERIFY(seenMessages().isEmpty());
    QCOMPARE(form->FileListBox1->directory(), SpDir);
    QCOMPARE(form->FileListBox1->mask(), QStringLiteral("*.Dat"));
}

void TestMainWindow::windowsAndLayout()
{
    ProgramFixture program;
    TForm1 *form = program.start();
    const QList<QPair<const char *, const char *>> windows{
        {"Form3", "Form3"},
        {"Form4", "Создание дерева для каталога"},
        {"Form5", "Добавить раздел"},
        {"Form6", "Добавление в ручную"},
        {"Form7", "Form7"},
        {"Form8", "Добавление картинки"},
        {"Form9", "Напровление стрелок"},
        {"Form10", "Расположение вида"},
        {"Form11", "Form11"}};
    QCOMPARE(form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Form1"));
    for (const auto &[name, caption] : windows) {
        QWidget *window = child<QWidget>(form, name);
        QCOMPARE(window->windowTitle(), QString::fromUtf8(caption));
        QVERIFY(!window->isVisible());
    }
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->centralWidget()->height() + child<QWidget>(form, "ToolBar1")->height(), 686);
    QCOMPARE(form->width(), 696);
    QCOMPARE(form->Panel1->width(), 241);
    QCOMPARE(form->Panel4->height(), 41);
    QCOMPARE(form->Panel2->height(), 179);
    QCOMPARE(form->TreeView1->indentation(), 19);
    const QList<QPair<QPushButton *, QRect>> buttons{{form->Button2, QRect(17, 10, 96, 25)},
                                                     {form->Button1, QRect(119, 10, 122, 25)},
                                                     {form->Button4, QRect(247, 10, 105, 25)},
                                                     {form->Button3, QRect(17, 10, 224, 25)}};
    const QStringList captions{"+ Изображение", "Проставить позиции", "Редактировать",
                               "+ Изображение для разделов"};
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i].first->geometry(), buttons[i].second);
        QCOMPARE(buttons[i].first->text(), captions[i]);
        QCOMPARE(buttons[i].first->parentWidget(), form->Panel4);
    }
    QCOMPARE(form->ListBox1->parentWidget(), form->Panel2);
    QCOMPARE(form->ImageEnVect1->objectName(), QStringLiteral("ImageEnVect1"));
    QCOMPARE(QApplication::font().pixelSize(), 11);
}

void TestMainWindow::menusAndToolbar()
{
    ProgramFixture program;
    TForm1 *form = program.start();
    const QList<std::tuple<const char *, const char *, bool>> items{
        {"N2", "Создать SP", false},
        {"N3", "Выход", true},
        {"reeDat1", "Загрузить Tree.Dat", true},
        {"N5", "Создать дерево для каталога", true},
        {"N6", "Создать общий файл спецификации", false},
        {"N7", "Добавить изображение", false},
        {"N8", "Добавить позиции", false},
        {"N10", "Дерево", true},
        {"Sp1", "Файлы SP", true},
        {"Search2", "Занести в Search в дополнительные файлы спецификаций", true},
        {"N9", "Удалить Файл", true}};
    for (const auto &[name, caption, enabled] : items) {
        QAction *action = child<QAction>(form, name);
        QCOMPARE(action->text(), QString::fromUtf8(caption));
        QCOMPARE(action->isEnabled(), enabled);
    }
    QStringList menus;
    for (QAction *menu : form->menuBar()->actions())
        menus.append(menu->text());
    QCOMPARE(menus, QStringList({"Файл", "Редактирование", "Вид", "Выгрузить"}));
    QStringList buttons;
    for (QToolButton *button : child<QWidget>(form, "ToolBar1")->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith("ToolButton")) {
            buttons.append(button->objectName());
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->size(), QSize(25, 25));
        }
    }
    QCOMPARE(buttons, QStringList({"ToolButton3", "ToolButton2", "ToolButton4", "ToolButton1"}));
}

void TestMainWindow::treeDatShownAndViewsSwitch()
{
    ProgramFixture program;
    writeBytes(program.path("Tree.dat"), cp("Насос\r\n\tКорпус\r\n\t\t1|А.01|Вал|1|шт|\r\n"));
    TForm1 *form = program.start();
    QCOMPARE(topTexts(form->TreeView1), QStringList{QStringLiteral("Насос")});
    QCOMPARE(form->TreeView1->topLevelItem(0)->child(0)->child(0)->text(0),
             QStringLiteral("1|А.01|Вал|1|шт|"));

    writeBytes(program.path("SP/A_SP.Dat"), "1|A|B|1|x|\r\n");
    form->Sp1Click();
    QCOMPARE(shown(form), QList<bool>({false, true, true, true, true, false}));
    QCOMPARE(form->FileListBox1->count(), 1);
    writeBytes(program.path("SP/B_SP.DAT"), "");
    form->Sp1Click();
    QCOMPARE(form->FileListBox1->count(), 2);

    writeBytes(program.path("Tree.dat"), cp("Другой\r\n"));
    form->N10Click();
    QCOMPARE(shown(form), QList<bool>({true, false, false, false, false, true}));
    QCOMPARE(topTexts(form->TreeView1), QStringList{QStringLiteral("Другой")});

    // Reloading while the file list is shown changes no visibility.
    form->Sp1Click();
    writeBytes(program.path("Tree.dat"), cp("Третий\r\n"));
    form->reeDat1Click();
    QCOMPARE(shown(form), QList<bool>({false, true, true, true, true, false}));
    QCOMPARE(topTexts(form->TreeView1), QStringList{QStringLiteral("Третий")});
    QVERIFY(seenMessages().isEmpty());
}

void TestMainWindow::onlyBaseDirTreeDatCounts()
{
    ProgramFixture program;
    writeBytes(program.path("SP/Tree.dat"), "X\r\n");
    TForm1 *form = program.start();
    QCOMPARE(form->TreeView1->topLevelItemCount(), 0);
    form->N10Click();
    QCOMPARE(form->TreeView1->topLevelItemCount(), 0);
    QVERIFY(seenMessages().isEmpty());
}

void TestMainWindow::reloadWithoutTreeDatKeepsTree()
{
    ProgramFixture program;
    writeBytes(program.path("Tree.dat"), "R\r\n");
    TForm1 *form = program.start();
    QFile::remove(program.path("Tree.dat"));
    answerMessageBox(QMessageBox::Ok);
    form->reeDat1Click();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY2(seenMessages().first().contains(program.path("Tree.dat")),
             qPrintable(seenMessages().first()));
    QCOMPARE(topTexts(form->TreeView1), QStringList{"R"});
    // "Дерево" without the file empties the tree and says nothing.
    form->N10Click();
    QCOMPARE(form->TreeView1->topLevelItemCount(), 0);
    QCOMPARE(seenMessages().size(), 1);
}

void TestMainWindow::badTreeDatStillStarts()
{
    ProgramFixture program;
    writeBytes(program.path("Tree.dat"), "R\r\n\t\tX\r\n");
    answerMessageBox(QMessageBox::Ok);
    TForm1 *form = program.start();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().startsWith("Invalid level (2) for item \"X\""));
    QCOMPARE(form->TreeView1->topLevelItemCount(), 0);
    QVERIFY(form->isVisible());

    // A level error on reload keeps the tree shown before it.
    writeBytes(program.path("Tree.dat"), "Good\r\n");
    form->reeDat1Click();
    writeBytes(program.path("Tree.dat"), "R\r\n\t\tX\r\n");
    answerMessageBox(QMessageBox::Ok);
    form->N10Click();
    QCOMPARE(topTexts(form->TreeView1), QStringList{"Good"});
    QCOMPARE(shown(form), QList<bool>({true, false, false, false, false, true}));
}

void TestMainWindow::blockedWorkspaceStillStarts()
{
    ProgramFixture program;
    writeBytes(program.path("SP"), "a plain file where the folder should be");
    writeBytes(program.path("Tree.dat"), "R\r\n");
    answerMessageBox(QMessageBox::Ok);
    TForm1 *form = program.start();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY2(seenMessages().first().contains(program.path("SP/")),
             qPrintable(seenMessages().first()));
    QVERIFY(form->isVisible());
    QVERIFY(QFileInfo(program.path("Pic")).isDir());
    // "Файлы SP" names the missing folder and still switches the view.
    answerMessageBox(QMessageBox::Ok);
    form->Sp1Click();
    QCOMPARE(seenMessages().size(), 2);
    QVERIFY(seenMessages().last().contains(program.path("SP/")));
    QCOMPARE(shown(form), QList<bool>({false, true, true, true, true, false}));
}

void TestMainWindow::builderOpensModally()
{
    ProgramFixture program;
    TForm1 *form = program.start();
    bool sawBuilder = false;
    answerNextModal([&](QWidget *modal) {
        sawBuilder = modal == Form4;
        modal->close();
    });
    form->N5Click();
    QVERIFY(sawBuilder);
}

void TestMainWindow::restartsCleanly()
{
    for (int round = 0; round < 2; ++round) {
        ProgramFixture program;
        program.start();
        EditMode = 1;
        program.stop();
        QCOMPARE(EditMode, 0);
        QCOMPARE(Form1, nullptr);
        QCOMPARE(Form7, nullptr);
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
