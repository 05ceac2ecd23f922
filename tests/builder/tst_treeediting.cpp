// The tree builder's editing: layout, main assembly, copies, drags, deletion, sorting.
#include "builderfixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

class TestTreeEditing : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void layout();
    void resizeSplitsColumns();
    void menus();
    void mainAssembly_data();
    void mainAssembly();
    void mainAssemblyOnlyOnEmptyTree();
    void copyButtons_data();
    void copyButtons();
    void moveByDrop_data();
    void moveByDrop();
    void copyByDropFromSource();
    void dropsNeedANode();
    void rightClickSelectsAndOpensMenu();
    void deleteNodes();
    void sortChildren();
    void sortFailureMovesNothing();
    void commandsIgnoreEmptyTree();
};

void TestTreeEditing::layout()
{
    Builder b;
    b.show();
    TForm4 *form = b.form;
    QCOMPARE(form->windowTitle(), QStringLiteral("Создание дерева для каталога"));
    QCOMPARE(form->Panel2->width(), 89);
    QCOMPARE(form->Panel2->minimumWidth(), 89);
    QCOMPARE(form->Panel2->maximumWidth(), 89);
    const QList<QPair<QPushButton *, QPair<const char *, int>>> buttons{
        {form->Button1, {"<", 80}},
        {form->Button2, {"<< +", 111}},
        {form->Button5, {"<+", 143}},
        {form->Button3, {"+ Раздел", 174}},
        {form->Button4, {"+ Вручную", 205}}};
    for (const auto &[button, expected] : buttons) {
        QCOMPARE(button->text(), QString::fromUtf8(expected.first));
        QCOMPARE(button->geometry().top(), expected.second);
        QCOMPARE(button->size(), QSize(75, 25));
        QCOMPARE(button->parentWidget(), form->Panel2);
    }
    QCOMPARE(form->TreeView1->parentWidget(), form->Panel1);
    QCOMPARE(form->TreeView2->parentWidget(), form->Panel3);
    QVERIFY(form->Panel1->x() < form->Panel2->x() && form->Panel2->x() < form->Panel3->x());
    QCOMPARE(form->Panel3->geometry().right(), form->width() - 1);
    QCOMPARE(form->TreeView1->indentation(), 19);
    QVERIFY(form->TreeView1->acceptDrops());
    QVERIFY(!form->TreeView2->acceptDrops());
    QVERIFY(form->TreeView2->dragEnabled());
    QCOMPARE(form->TreeView1->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(form->TreeView2->contextMenuPolicy() != Qt::CustomContextMenu);
    QVERIFY(form->TreeView1->editTriggers() & QAbstractItemView::EditKeyPressed);
    const QPalette look = form->TreeView2->palette();
    QCOMPARE(look.color(QPalette::Inactive, QPalette::Highlight),
             look.color(QPalette::Active, QPalette::Highlight));
    for (QFileDialog *dialog : {form->SaveDialog1, form->OpenDialog1}) {
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->defaultSuffix(), QString());
        QCOMPARE(dialog->parent(), form);
    }
    QCOMPARE(form->SaveDialog1->nameFilters(), QStringList{"*.Dat (*.[Dd][Aa][Tt])"});
    QCOMPARE(form->OpenDialog1->nameFilters(), QStringList{"*.dat (*.[Dd][Aa][Tt])"});
    QVERIFY(form->SaveDialog1->testOption(QFileDialog::HideNameFilterDetails));
    QCOMPARE(form->SaveDialog1->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(form->OpenDialog1->acceptMode(), QFileDialog::AcceptOpen);
}

void TestTreeEditing::resizeSplitsColumns()
{
    Builder b;
    b.show();
    for (int width : {650, 900, 421, 1001}) {
        b.form->resize(width, 600);
        QCoreApplication::processEvents();
        QCOMPARE(b.form->Panel1->width(), b.form->frameGeometry().width() / 2 - 44);
    }
}

void TestTreeEditing::menus()
{
    Builder b;
    const QList<QPair<const char *, const char *>> items{
        {"Search2", "Загрузить из Search"},
        {"N2", "Сохранить в файл дерево каталога "},
        {"N3", "Сохранить все"},
        {"N4", "Загрузить из файла дерево каталога"},
        {"N1", "Загрузить из файла все"},
        {"N7", "Выход"},
        {"N9", "Главная Сборка"},
        {"N8", "Добавить Раздел"},
        {"N12", "Добавить вручную"},
        {"N16", "Создать Спецификации"},
        {"N14", "Переименовать все"},
        {"N17", "Спецификация"},
        {"N15", "Изменить запись"},
        {"N10", "Удалить"},
        {"N11", "Удалить  дочерние"},
        {"N18", "Сортировать дочерние"}};
    for (const auto &[name, caption] : items) {
        auto *action = b.form->findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action, name);
        QCOMPARE(action->text(), QString::fromUtf8(caption));
    }
    QStringList top;
    for (QAction *menu : b.form->MainMenu1->actions())
        top.append(menu->text());
    QCOMPARE(top, QStringList({"Файл", "Дерево", "Правка"}));
    const QList<QAction *> file = b.form->N5->actions();
    QVERIFY(file.at(file.size() - 2)->isSeparator());
    QCOMPARE(file.last(), b.form->N7);
    QCOMPARE(b.form->PopupMenu1->actions(),
             QList<QAction *>({b.form->N17, b.form->N15, b.form->N10, b.form->N11, b.form->N18}));
}

void TestTreeEditing::mainAssembly_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed") << QStringLiteral("Насос НЦ-2") << true << QStringLiteral("Насос НЦ-2");
    QTest::newRow("empty answer") << QString() << true << QString();
    QTest::newRow("cancelled") << QStringLiteral("ignored") << false << QString();
}

void TestTreeEditing::mainAssembly()
{
    QFETCH(QString, answer);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    Builder b;
    QStringList seen;
    answerInput(answer, ok, &seen);
    b.form->N9Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(seen, QStringList({"Головная сборка", "Введите", ""}));
    QCOMPARE(shape(b.catalog()), expected);
    if (!expected.isEmpty())
        QCOMPARE(selectedNode(b.catalog())->text(0), expected);
}

void TestTreeEditing::mainAssemblyOnlyOnEmptyTree()
{
    Builder b;
    setTree(b.catalog(), "R\n");
    bool asked = false;
    answerNextModal([&](QWidget *widget) {
        asked = true;
        widget->close();
    });
    b.form->N9Click();
    QCoreApplication::processEvents();
    QTest::qWait(30);
    QVERIFY(!asked);
    clearModalAnswers();
    QCOMPARE(shape(b.catalog()), QStringLiteral("R"));
}

void TestTreeEditing::copyButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("catalogSelected");
    QTest::addColumn<QString>("sourceSelected");
    QTest::addColumn<QString>("expected");
    QTest::newRow("< copies one node") << "Button1"
                                       << "K"
                                       << "S"
                                       << "R(K(S))";
    QTest::newRow("<< + copies children") << "Button2"
                                          << "K"
                                          << "S"
                                          << "R(K(P1,U,P2))";
    QTest::newRow("<+ copies leaf children") << "Button5"
                                             << "K"
                                             << "S"
                                             << "R(K(P1,P2))";
    QTest::newRow("no catalogue selection: top level") << "Button1"
                                                       << ""
                                                       << "U"
                                                       << "R(K),U";
    QTest::newRow("children to top level") << "Button2"
                                           << ""
                                           << "S"
                                           << "R(K),P1,U,P2";
    QTest::newRow("no source selection") << "Button2"
                                         << "K"
                                         << ""
                                         << "R(K)";
}

void TestTreeEditing::copyButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, catalogSelected);
    QFETCH(QString, sourceSelected);
    QFETCH(QString, expected);
    Builder b;
    setTree(b.catalog(), "R\n\tK\n");
    setTree(b.source(), "S\n\tP1\n\tU\n\t\tU1\n\tP2\n");
    if (!catalogSelected.isEmpty())
        select(b.catalog(), catalogSelected);
    if (!sourceSelected.isEmpty())
        select(b.source(), sourceSelected);
    QVERIFY(QMetaObject::invokeMethod(b.form, qPrintable(button + "Click")));
    QCOMPARE(shape(b.catalog()), expected);
    QCOMPARE(shape(b.source()), QStringLiteral("S(P1,U(U1),P2)"));
}

void TestTreeEditing::moveByDrop_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("expected");
    // R(A(A1),B,C(C1))
    QTest::newRow("onto leaf sibling: its only child") << "B"
                                                       << "A1" << true << "R(A(B,A1),C(C1))";
    QTest::newRow("same parent, leaf") << "A"
                                       << "B" << true << "R(B(A(A1)),C(C1))";
    QTest::newRow("sibling with children: before it") << "B"
                                                      << "A" << true << "R(B,A(A1),C(C1))";
    QTest::newRow("other parent: before target") << "A"
                                                 << "C1" << true << "R(B,C(A(A1),C1))";
    QTest::newRow("onto own parent: before it") << "A1"
                                                << "A" << true << "R(A1,A,B,C(C1))";
    QTest::newRow("to top level") << "C1"
                                  << "R" << true << "C1,R(A(A1),B,C)";
    QTest::newRow("onto itself") << "A"
                                 << "A" << true << "R(A(A1),B,C(C1))";
    QTest::newRow("onto a descendant") << "A"
                                       << "A1" << false << "R(A(A1),B,C(C1))";
    QTest::newRow("root onto grandchild") << "R"
                                          << "C1" << false << "R(A(A1),B,C(C1))";
}

void TestTreeEditing::moveByDrop()
{
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    QFETCH(QString, expected);
    Builder b;
    setTree(b.catalog(), "R\n\tA\n\t\tA1\n\tB\n\tC\n\t\tC1\n");
    b.show();
    select(b.catalog(), dragged);
    const QPoint at = pointOf(b.catalog(), target);
    DragKind = 0;
    QCOMPARE(b.form->TreeView1DragOver(b.catalog(), at), accepted);
    QCOMPARE(DragKind, 1);
    // Even a drop the drag-over refused must not cut a subtree off.
    b.form->TreeView1DragDrop(b.catalog(), at);
    QCOMPARE(shape(b.catalog()), expected);
    QTreeWidgetItem *moved = node(b.catalog(), dragged);
    if (moved->parent())
        QVERIFY(moved->parent()->isExpanded());
    QCOMPARE(shape(b.source()), QString());
}

void TestTreeEditing::copyByDropFromSource()
{
    Builder b;
    setTree(b.catalog(), "R\n\tK\n\t\tK1\n");
    setTree(b.source(), "S\n\tU\n\t\tU1\n\t\t\tU11\n\t\tU2\n\tP\n");
    b.show();
    select(b.source(), "U");
    select(b.catalog(), "K1");
    const QPoint at = pointOf(b.catalog(), "K");
    QVERIFY(b.form->TreeView1DragOver(b.source(), at));
    QCOMPARE(DragKind, 2);
    b.form->TreeView1DragDrop(b.source(), at);
    QCOMPARE(shape(b.catalog()), QStringLiteral("R(K(K1,U(U1(U11),U2)))"));
    QCOMPARE(shape(b.source()), QStringLiteral("S(U(U1(U11),U2),P)"));
    // Copies are new nodes: editing one leaves the source alone.
    node(b.catalog(), "U11")->setText(0, "changed");
    QCOMPARE(node(b.source(), "U1")->child(0)->text(0), QStringLiteral("U11"));
}

void TestTreeEditing::dropsNeedANode()
{
    Builder b;
    setTree(b.catalog(), "R\n");
    setTree(b.source(), "S\n");
    b.show();
    select(b.catalog(), "R");
    select(b.source(), "S");
    const QPoint empty(5, b.catalog()->viewport()->height() - 5);
    DragKind = 0;
    QVERIFY(!b.form->TreeView1DragOver(b.catalog(), empty));
    QVERIFY(!b.form->TreeView1DragOver(b.source(), empty));
    QVERIFY(!b.form->TreeView1DragOver(b.form->Button1, pointOf(b.catalog(), "R")));
    QCOMPARE(DragKind, 0);
    DragKind = 2;
    b.form->TreeView1DragDrop(b.source(), empty);
    QCOMPARE(shape(b.catalog()), QStringLiteral("R"));
}

void TestTreeEditing::rightClickSelectsAndOpensMenu()
{
    Builder b;
    setTree(b.catalog(), "R\n\tA\n\tB\n");
    b.show();
    select(b.catalog(), "A");
    emit b.catalog()->customContextMenuRequested(pointOf(b.catalog(), "B"));
    QCOMPARE(selectedNode(b.catalog())->text(0), QStringLiteral("B"));
    QVERIFY(b.form->PopupMenu1->isVisible());
    b.form->PopupMenu1->hide();
}

void TestTreeEditing::deleteNodes()
{
    Builder b;
    setTree(b.catalog(), "R\n\tA\n\t\tA1\n\t\t\tA11\n\t\tA2\n\tB\n");
    select(b.catalog(), "A");
    b.form->N11Click();
    QCOMPARE(shape(b.catalog()), QStringLiteral("R(A,B)"));
    select(b.catalog(), "A");
    b.form->N10Click();
    QCOMPARE(shape(b.catalog()), QStringLiteral("R(B)"));
    b.catalog()->clearSelection();
    b.form->N10Click();
    b.form->N11Click();
    QCOMPARE(shape(b.catalog()), QStringLiteral("R(B)"));
}

void TestTreeEditing::sortChildren()
{
    Builder b;
    setTree(b.catalog(), "R\n"
                         "\t10|A|Корпус|1|шт|\n\t\tinside A\n"
                         "\t2|B|Вал|1|шт|\n"
                         "\t02|C|Шайба|1|шт|\n"
                         "\t1|D|Винт|4|шт|\n");
    node(b.catalog(), QStringLiteral("10|A|Корпус|1|шт|"))->setExpanded(true);
    select(b.catalog(), "R");
    b.form->N18Click();
    QVERIFY(seenMessages().isEmpty());
    QCOMPARE(shape(b.catalog()), QStringLiteral("R(02|C|Шайба|1|шт|,1|D|Винт|4|шт|,2|B|Вал|1|шт|,"
                                                "10|A|Корпус|1|шт|(inside A))"));
    QVERIFY(node(b.catalog(), QStringLiteral("10|A|Корпус|1|шт|"))->isExpanded());
    QCOMPARE(selectedNode(b.catalog())->text(0), QStringLiteral("R"));
}

void TestTreeEditing::sortFailureMovesNothing()
{
    Builder b;
    setTree(b.catalog(), "R\n\t3|A|||\n\tРаздел\n\t1|B|||\n");
    select(b.catalog(), "R");
    answerMessageBox(QMessageBox::Ok);
    b.form->N18Click();
    QCOMPARE(seenMessages(), QStringList{"'' is not a valid integer value"});
    QCOMPARE(shape(b.catalog()), QStringLiteral("R(3|A|||,Раздел,1|B|||)"));
}

void TestTreeEditing::commandsIgnoreEmptyTree()
{
    Builder b;
    setTree(b.source(), "S\n\tP\n");
    select(b.source(), "S");
    for (const char *slot : {"Button1Click", "Button2Click", "Button5Click", "Button3Click",
                             "Button4Click", "N8Click", "N12Click", "N15Click", "N10Click",
                             "N11Click", "N18Click", "N17Click", "N14Click", "N16Click"})
        QVERIFY(QMetaObject::invokeMethod(b.form, slot));
    QTest::qWait(20);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(shape(b.catalog()), QString());
    QCOMPARE(shape(b.source()), QStringLiteral("S(P)"));
    QVERIFY(seenMessages().isEmpty());
}

QTEST_MAIN(TestTreeEditing)
#include "tst_treeediting.moc"
