#pragma once
// A catalogue tree of random shape with Cyrillic entry texts, the same in
// every run, for the benchmarks that load and save trees.

#include "catalog/nodetext.h"
#include "catalog/tree.h"

#include <QRandomGenerator>

// `count` nodes; a node goes at most `deepest` levels below the top.
inline CatalogTree makeBenchTree(int count, int deepest)
{
    QRandomGenerator random(1251);
    CatalogTree tree;
    std::vector<TreeNode *> path;
    for (int i = 0; i < count; ++i) {
        const int depth =
            path.empty() ? 0 : int(random.bounded(std::min<int>(int(path.size()), deepest) + 1));
        path.resize(size_t(depth));
        std::vector<TreeNode> &siblings = depth == 0 ? tree : path.back()->children;
        siblings.push_back({MakeNodeText(QString::number(i % 97 + 1),
                                         QStringLiteral("АБВГ.%1.%2").arg(i / 1000).arg(i % 1000),
                                         QStringLiteral("Корпус насоса №%1").arg(i),
                                         QStringLiteral("2"), QStringLiteral("шт")),
                            {}});
        path.push_back(&siblings.back());
    }
    return tree;
}
