#pragma once
// Where a node dragged within the catalogue tree lands.

// Walks up from `node` to the top: true when `ancestor` is met on the way,
// the node itself not counted. Node is any type whose parent `parentOf` gives
// (null at the top).
template <typename Node, typename ParentOf>
bool isProperAncestor(const Node *ancestor, const Node *node, ParentOf parentOf)
{
    for (const Node *up = node ? parentOf(node) : nullptr; up; up = parentOf(up)) {
        if (up == ancestor)
            return true;
    }
    return false;
}

enum class MovePlace {
    Nowhere,           // dropped on itself or inside its own subtree
    LastChildOfTarget, // becomes the target's last (and so only) child
    BeforeTarget,      // becomes the target's sibling just before it
};

// The drop makes two moves in a row, and their net effect is what the user
// sees: a node dropped on a leaf sibling goes under it, anything else lands
// just before the target.
MovePlace movePlace(bool sameNode, bool targetInsideDragged, bool sameParent,
                    bool targetHasChildren);
