#include "specgen.h"

#include "nodetext.h"
#include "specfile.h"

#include <QStringList>

QString displayText(const QString &nodeText)
{
    if (!nodeText.contains(u'|'))
        return nodeText;
    return NodeField(nodeText, 2) + u' ' + NodeField(nodeText, 3);
}

void writeAllSpecFiles(const CatalogTree &tree, const QString &spDir)
{
    QStringList children;
    forEachPreOrder(tree, [&](const TreeNode &node, int) {
        if (node.children.empty())
            return;
        const QString designation = NodeField(node.text, 2);
        if (designation.isEmpty())
            return;
        children.clear();
        for (const TreeNode &child : node.children)
            children.append(child.text);
        WriteSpecFile(children, designation, spDir);
    });
}
