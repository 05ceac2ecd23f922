// TForm4: the catalogue tree builder.
#include "Unit4.h"

#include "Unit5.h"
#include "Unit6.h"
#include "builderdialogs.h"
#include "buildertreeview.h"
#include "catalog/childsort.h"
#include "catalog/droprules.h"
#include "catalog/nodetext.h"
#include "catalog/pairnames.h"
#include "catalog/specfile.h"
#include "catalog/specgen.h"
#include "catalog/treefile.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/treewidget.h"
#include "platform/workspace.h"
#include "search/importcommand.h"
#include "treeitems.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidgetItemIterator>

TForm4 *Form4 = nullptr;
int DragKind = 0;

namespace {

const QTreeWidgetItem *parentOf(const QTreeWidgetItem *item)
{
    return item->parent();
}

} // namespace

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Создание дерева для каталога"));
    buildMenus();
    buildPanels();
    buildDialogs();
    resize(634, 814 + MainMenu1->sizeHint().height());
}

void TForm4::buildMenus()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    const auto addMenu = [&](QMenu *owner, const QString &name, const QString &caption) {
        QMenu *menu = owner ? owner : MainMenu1->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    const auto addItem = [&](QMenu *menu, const QString &name, const QString &caption,
                             void (TForm4::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    N5 = addMenu(nullptr, QStringLiteral("N5"), QStringLiteral("Файл"));
    Search2 = addItem(N5, QStringLiteral("Search2"), QStringLiteral("Загрузить из Search"),
                      &TForm4::Search2Click);
    N2 = addItem(N5, QStringLiteral("N2"), QStringLiteral("Сохранить в файл дерево каталога "),
                 &TForm4::N2Click);
    N3 = addItem(N5, QStringLiteral("N3"), QStringLiteral("Сохранить все"), &TForm4::N3Click);
    N4 = addItem(N5, QStringLiteral("N4"), QStringLiteral("Загрузить из файла дерево каталога"),
                 &TForm4::N4Click);
    N1 = addItem(N5, QStringLiteral("N1"), QStringLiteral("Загрузить из файла все"),
                 &TForm4::N1Click);
    N5->addSeparator();
    N7 = N5->addAction(QStringLiteral("Выход"));
    N7->setObjectName(QStringLiteral("N7"));
    connect(N7, &QAction::triggered, this, &QWidget::close);

    N6 = addMenu(nullptr, QStringLiteral("N6"), QStringLiteral("Дерево"));
    N9 = addItem(N6, QStringLiteral("N9"), QStringLiteral("Главная Сборка"), &TForm4::N9Click);
    N8 = addItem(N6, QStringLiteral("N8"), QStringLiteral("Добавить Раздел"), &TForm4::N8Click);
    N12 = addItem(N6, QStringLiteral("N12"), QStringLiteral("Добавить вручную"), &TForm4::N12Click);

    N13 = addMenu(nullptr, QStringLiteral("N13"), QStringLiteral("Правка"));
    N16 = addItem(N13, QStringLiteral("N16"), QStringLiteral("Создать Спецификации"),
                  &TForm4::N16Click);
    N14 =
        addItem(N13, QStringLiteral("N14"), QStringLiteral("Переименовать все"), &TForm4::N14Click);

    PopupMenu1 = addMenu(new QMenu(this), QStringLiteral("PopupMenu1"), QString());
    N17 = addItem(PopupMenu1, QStringLiteral("N17"), QStringLiteral("Спецификация"),
                  &TForm4::N17Click);
    N15 = addItem(PopupMenu1, QStringLiteral("N15"), QStringLiteral("Изменить запись"),
                  &TForm4::N15Click);
    N10 = addItem(PopupMenu1, QStringLiteral("N10"), QStringLiteral("Удалить"), &TForm4::N10Click);
    N11 = addItem(PopupMenu1, QStringLiteral("N11"), QStringLiteral("Удалить  дочерние"),
                  &TForm4::N11Click);
    N18 = addItem(PopupMenu1, QStringLiteral("N18"), QStringLiteral("Сортировать дочерние"),
                  &TForm4::N18Click);
}

void TForm4::buildPanels()
{
    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->setMenuBar(MainMenu1);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(0);
    window->addLayout(columns);

    Panel1 = makePanel(QStringLiteral("Panel1"), this);
    TreeView1 = new BuilderTreeView(Panel1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setDragDropMode(QAbstractItemView::DragDrop);
    TreeView1->acceptDrop = [this](QObject *source, const QPoint &at) {
        return TreeView1DragOver(source, at);
    };
    TreeView1->drop = [this](QObject *source, const QPoint &at) { TreeView1DragDrop(source, at); };
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (QTreeWidgetItem *item = TreeView1->itemAt(at))
            TreeView1->setCurrentItem(item);
        PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(at));
    });
    fillWith(Panel1, TreeView1);

    Panel2 = makePanel(QStringLiteral("Panel2"), this);
    Panel2->setFixedWidth(89);
    const auto addButton = [&](const QString &name, const QString &caption, int top,
                               void (TForm4::*handler)()) {
        auto *button = new QPushButton(caption, Panel2);
        button->setObjectName(name);
        button->setGeometry(7, top, 75, 25);
        // Enter in a tree must not press the button clicked last.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    Button1 = addButton(QStringLiteral("Button1"), QStringLiteral("<"), 80, &TForm4::Button1Click);
    Button2 =
        addButton(QStringLiteral("Button2"), QStringLiteral("<< +"), 111, &TForm4::Button2Click);
    Button5 =
        addButton(QStringLiteral("Button5"), QStringLiteral("<+"), 143, &TForm4::Button5Click);
    Button3 = addButton(QStringLiteral("Button3"), QStringLiteral("+ Раздел"), 174,
                        &TForm4::Button3Click);
    Button4 = addButton(QStringLiteral("Button4"), QStringLiteral("+ Вручную"), 205,
                        &TForm4::Button4Click);

    Panel3 = makePanel(QStringLiteral("Panel3"), this);
    TreeView2 = new BuilderTreeView(Panel3);
    TreeView2->setObjectName(QStringLiteral("TreeView2"));
    TreeView2->setDragDropMode(QAbstractItemView::DragOnly);
    fillWith(Panel3, TreeView2);

    columns->addWidget(Panel1);
    columns->addWidget(Panel2);
    columns->addWidget(Panel3, 1);
}

void TForm4::buildDialogs()
{
    const auto makeDialog = [&](const QString &name, QFileDialog::AcceptMode mode,
                                const QString &filter) {
        auto *dialog = new QFileDialog(this);
        dialog->setObjectName(name);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->setAcceptMode(mode);
        // The open dialog lets any name through; the load names what is missing.
        dialog->setFileMode(QFileDialog::AnyFile);
        setCaseBlindFilter(dialog, filter);
        return dialog;
    };
    SaveDialog1 =
        makeDialog(QStringLiteral("SaveDialog1"), QFileDialog::AcceptSave, QStringLiteral("*.Dat"));
    OpenDialog1 =
        makeDialog(QStringLiteral("OpenDialog1"), QFileDialog::AcceptOpen, QStringLiteral("*.dat"));
}

bool TForm4::catalogEmpty() const
{
    return TreeView1->topLevelItemCount() == 0;
}

void TForm4::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TForm4::FormResize()
{
    Panel1->setFixedWidth(frameGeometry().width() / 2 - Panel2->width() / 2);
}

// --- Building the tree ---

void TForm4::Search2Click()
{
    guarded(this, [&] { importIntoTreeView(TreeView2, this); });
}

void TForm4::N9Click()
{
    guarded(this, [&] {
        if (!catalogEmpty())
            return;
        const QString text =
            askText(this, QStringLiteral("Головная сборка"), QStringLiteral("Введите"), QString());
        if (text.isEmpty())
            return;
        selectNode(TreeView1, addNode(TreeView1, nullptr, text));
    });
}

void TForm4::N10Click()
{
    guarded(this, [&] {
        if (QTreeWidgetItem *node = selectedNode(TreeView1))
            delete node;
    });
}

void TForm4::N11Click()
{
    guarded(this, [&] {
        if (QTreeWidgetItem *node = selectedNode(TreeView1))
            qDeleteAll(node->takeChildren());
    });
}

void TForm4::N18Click()
{
    guarded(this, [&] {
        QTreeWidgetItem *parent = selectedNode(TreeView1);
        if (!parent)
            return;
        reorderChildren(parent, sortedChildOrder(childTexts(parent)));
    });
}

void TForm4::copyFromSource(CopyWhat what)
{
    guarded(this, [&] {
        if (catalogEmpty() || TreeView2->topLevelItemCount() == 0)
            return;
        const QTreeWidgetItem *source = selectedNode(TreeView2);
        if (!source)
            return;
        QTreeWidgetItem *target = selectedNode(TreeView1);
        if (what == CopyWhat::Node) {
            addNode(TreeView1, target, source->text(0));
            return;
        }
        for (int i = 0; i < source->childCount(); ++i) {
            const QTreeWidgetItem *child = source->child(i);
            if (what == CopyWhat::Children || child->childCount() == 0)
                addNode(TreeView1, target, child->text(0));
        }
    });
}

void TForm4::Button1Click()
{
    copyFromSource(CopyWhat::Node);
}
void TForm4::Button2Click()
{
    copyFromSource(CopyWhat::Children);
}
void TForm4::Button5Click()
{
    copyFromSource(CopyWhat::LeafChildren);
}
void TForm4::Button3Click()
{
    N8Click();
}
void TForm4::Button4Click()
{
    N12Click();
}

// --- Dragging ---

bool TForm4::TreeView1DragOver(QObject *source, const QPoint &at)
{
    QTreeWidgetItem *target = TreeView1->itemAt(at);
    if (!target)
        return false;
    if (source == TreeView1) {
        DragKind = 1;
        return !isProperAncestor<QTreeWidgetItem>(selectedNode(TreeView1), target, parentOf);
    }
    if (source == TreeView2) {
        DragKind = 2;
        return true;
    }
    return false;
}

void TForm4::TreeView1DragDrop(QObject *, const QPoint &at)
{
    guarded(this, [&] {
        QTreeWidgetItem *target = TreeView1->itemAt(at);
        if (!target)
            return;
        if (DragKind == 1) {
            moveNode(selectedNode(TreeView1), target);
        } else if (DragKind == 2) {
            if (const QTreeWidgetItem *copied = selectedNode(TreeView2))
                target->addChild(itemFromNode(nodeFromItem(copied)));
        }
        TreeView1->viewport()->update();
        TreeView2->viewport()->update();
    });
}

void TForm4::moveNode(QTreeWidgetItem *dragged, QTreeWidgetItem *target)
{
    if (!dragged)
        return;
    // The drop itself looks again: a move into the node's own subtree would
    // cut that subtree off the tree.
    const MovePlace place =
        movePlace(dragged == target, isProperAncestor<QTreeWidgetItem>(dragged, target, parentOf),
                  dragged->parent() == target->parent(), target->childCount() > 0);
    if (place == MovePlace::Nowhere)
        return;
    const QList<QTreeWidgetItem *> expanded = expandedNodes(dragged);
    detachNode(TreeView1, dragged);
    QTreeWidgetItem *newParent = target;
    if (place == MovePlace::LastChildOfTarget) {
        target->addChild(dragged);
    } else {
        newParent = target->parent();
        insertNode(TreeView1, newParent, siblingIndex(TreeView1, target), dragged);
    }
    expandNodes(expanded);
    if (newParent)
        newParent->setExpanded(true);
    TreeView1->setCurrentItem(dragged);
}

// --- Files ---

void TForm4::N2Click()
{
    guarded(this, [&] {
        const QString chosen = chooseFile(SaveDialog1, BaseDir);
        if (!chosen.isEmpty())
            saveTreeView(TreeView1, PairNames(chosen).catalogSave);
    });
}

bool TForm4::saveAll()
{
    const QString chosen = chooseFile(SaveDialog1, BaseDir);
    if (chosen.isEmpty())
        return false;
    const PairPaths pair = PairNames(chosen);
    saveTreeView(TreeView1, pair.catalogSave);
    saveTreeView(TreeView2, pair.sourceSave);
    return true;
}

void TForm4::N3Click()
{
    guarded(this, [&] { saveAll(); });
}

// Both loads read every file before touching a tree, so a cancelled dialog
// or a bad file leaves the user's trees as they were.
void TForm4::N4Click()
{
    guarded(this, [&] {
        const QString chosen = chooseFile(OpenDialog1, BaseDir);
        if (chosen.isEmpty())
            return;
        fillTreeWidget(TreeView1, LoadTreeFile(PairNames(chosen).catalogLoad));
    });
}

void TForm4::N1Click()
{
    guarded(this, [&] {
        const QString chosen = chooseFile(OpenDialog1, BaseDir);
        if (chosen.isEmpty())
            return;
        const PairPaths pair = PairNames(chosen);
        const CatalogTree catalog = LoadTreeFile(pair.catalogLoad);
        if (QFileInfo::exists(pair.sourceLoad)) {
            const CatalogTree source = LoadTreeFile(pair.sourceLoad);
            fillTreeWidget(TreeView1, catalog);
            fillTreeWidget(TreeView2, source);
            return;
        }
        fillTreeWidget(TreeView1, catalog);
        // Without its partner the pair has no source tree: the old one loses
        // its first top-level node, the place the pair's would have taken.
        delete TreeView2->topLevelItem(0);
        showMessage(this,
                    QStringLiteral("Не найден файл: ") + QDir::toNativeSeparators(pair.sourceLoad));
    });
}

void TForm4::N14Click()
{
    guarded(this, [&] {
        QTreeWidgetItemIterator it(TreeView1);
        if (*it)
            ++it; // the main assembly keeps its text
        for (; *it; ++it) {
            const QString text = (*it)->text(0);
            const QString shown = displayText(text);
            if (shown != text)
                (*it)->setText(0, shown);
        }
    });
}

void TForm4::N16Click()
{
    guarded(this, [&] { writeAllSpecFiles(treeFromWidget(TreeView1), SpDir); });
}

void TForm4::N17Click()
{
    guarded(this, [&] {
        if (const QTreeWidgetItem *node = selectedNode(TreeView1))
            WriteSpecFile(childTexts(node), NodeField(node->text(0), 2), SpDir);
    });
}

// --- Closing ---

bool TForm4::FormClose()
{
    if (catalogEmpty() && TreeView2->topLevelItemCount() == 0)
        return true;
    if (askOkCancel(this, QStringLiteral("Сохранить все?"), QStringLiteral("Сохранить"))) {
        bool saved = false;
        guarded(this, [&] { saved = saveAll(); });
        // Unsaved work the user asked to keep is not thrown away.
        if (!saved)
            return false;
    }
    TreeView1->clear();
    TreeView2->clear();
    return true;
}

void TForm4::reject()
{
    // Every way of closing (the close box, Escape, "Выход") passes here.
    if (FormClose())
        QDialog::reject();
}

// --- Sections and entries ---

void TForm4::N8Click()
{
    guarded(this, [&] {
        if (catalogEmpty())
            return;
        Form5->exec();
        const QString text = Form5->ComboBox1->currentText();
        if (text.isEmpty())
            return;
        selectNode(TreeView1, addNode(TreeView1, TreeView1->topLevelItem(0), text));
    });
}

namespace {

QString entryFromDialog()
{
    return MakeNodeText(Form6->Edit1->text(), Form6->Edit2->text(), Form6->Edit3->text(),
                        Form6->Edit4->text(), Form6->ComboBox1->currentText());
}

} // namespace

void TForm4::N12Click()
{
    guarded(this, [&] {
        if (catalogEmpty())
            return;
        for (QLineEdit *edit : {Form6->Edit1, Form6->Edit2, Form6->Edit3, Form6->Edit4})
            edit->clear();
        Form6->exec();
        if (Form6->Edit1->text().isEmpty())
            return;
        addNode(TreeView1, selectedNode(TreeView1), entryFromDialog());
    });
}

void TForm4::N15Click()
{
    guarded(this, [&] {
        QTreeWidgetItem *node = catalogEmpty() ? nullptr : selectedNode(TreeView1);
        if (!node)
            return;
        const QString text = node->text(0);
        if (siblingIndex(TreeView1, node) == 0) {
            node->setText(
                0, askText(this, QStringLiteral("Ввод"), QStringLiteral("Головная сборка"), text));
            return;
        }
        const QList<QLineEdit *> edits{Form6->Edit1, Form6->Edit2, Form6->Edit3, Form6->Edit4};
        for (int field = 1; field <= 4; ++field)
            edits[field - 1]->setText(NodeField(text, field));
        Form6->exec();
        if (Form6->Edit1->text().isEmpty())
            return;
        node->setText(0, entryFromDialog());
    });
}
