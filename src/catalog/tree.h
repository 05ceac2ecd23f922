#pragma once
// A catalogue tree as a plain value: each node is one line of text and its children.

#include <QString>
#include <vector>

struct TreeNode {
    QString text;
    std::vector<TreeNode> children;
};

// The top-level nodes in order.
using CatalogTree = std::vector<TreeNode>;

// Visits every node in pre-order without recursion, so a deep tree cannot
// exhaust the stack: visit(node, depth).
template <typename Visit> void forEachPreOrder(const CatalogTree &tree, Visit visit)
{
    struct Frame {
        const std::vector<TreeNode> *nodes;
        size_t next;
    };
    std::vector<Frame> stack{{&tree, 0}};
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.nodes->size()) {
            stack.pop_back();
            continue;
        }
        const TreeNode &node = (*top.nodes)[top.next++];
        visit(node, int(stack.size()) - 1);
        if (!node.children.empty())
            stack.push_back({&node.children, 0});
    }
}

qsizetype countNodes(const CatalogTree &tree);
