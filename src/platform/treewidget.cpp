#include "treewidget.h"

#include "catalog/treefile.h"
#include "textentry.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr Qt::ItemFlags nodeFlags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                                    Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;

// Builds items without recursion: a deep tree must not exhaust the stack.
QList<QTreeWidgetItem *> buildItems(const std::vector<TreeNode> &nodes)
{
    QList<QTreeWidgetItem *> top;
    struct Frame {
        const std::vector<TreeNode> *nodes;
        size_t next;
        QTreeWidgetItem *parent;
    };
    std::vector<Frame> stack{{&nodes, 0, nullptr}};
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next == frame.nodes->size()) {
            stack.pop_back();
            continue;
        }
        const TreeNode &node = (*frame.nodes)[frame.next++];
        auto *item = new QTreeWidgetItem(QStringList{node.text});
        item->setFlags(nodeFlags);
        if (frame.parent)
            frame.parent->addChild(item);
        else
            top.append(item);
        if (!node.children.empty())
            stack.push_back({&node.children, 0, item});
    }
    return top;
}

void appendChildren(TreeNode &target, const QTreeWidgetItem *item)
{
    struct Frame {
        const QTreeWidgetItem *item;
        TreeNode *node;
    };
    std::vector<Frame> stack{{item, &target}};
    while (!stack.empty()) {
        const Frame frame = stack.back();
        stack.pop_back();
        const int count = frame.item->childCount();
        frame.node->children.resize(size_t(count));
        for (int i = 0; i < count; ++i) {
            const QTreeWidgetItem *child = frame.item->child(i);
            frame.node->children[size_t(i)].text = child->text(0);
            stack.push_back({child, &frame.node->children[size_t(i)]});
        }
    }
}

} // namespace

void fillTreeWidget(QTreeWidget *widget, const CatalogTree &tree)
{
    const QList<QTreeWidgetItem *> items = buildItems(tree);
    widget->clear();
    widget->addTopLevelItems(items);
}

TreeNode nodeFromItem(const QTreeWidgetItem *item)
{
    TreeNode node{item->text(0), {}};
    appendChildren(node, item);
    return node;
}

QTreeWidgetItem *itemFromNode(const TreeNode &node)
{
    return buildItems(std::vector<TreeNode>{node}).first();
}

CatalogTree treeFromWidget(const QTreeWidget *widget)
{
    CatalogTree tree;
    const int count = widget->topLevelItemCount();
    tree.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        tree.push_back(nodeFromItem(widget->topLevelItem(i)));
    return tree;
}

void setUpCatalogTreeWidget(QTreeWidget *widget)
{
    widget->setColumnCount(1);
    widget->setHeaderHidden(true);
    widget->setIndentation(19);
    // Long entries scroll sideways instead of being cut short.
    widget->setTextElideMode(Qt::ElideNone);
    widget->header()->setStretchLastSection(false);
    widget->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    widget->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    widget->setItemDelegate(new Cp1251ItemDelegate(widget));
}

void loadTreeWidget(QTreeWidget *widget, const QString &path)
{
    fillTreeWidget(widget, LoadTreeFile(path));
}

void saveTreeWidget(const QTreeWidget *widget, const QString &path)
{
    SaveTreeFile(treeFromWidget(widget), path);
}
