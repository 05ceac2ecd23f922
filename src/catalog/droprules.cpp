#include "droprules.h"

MovePlace movePlace(bool sameNode, bool targetInsideDragged, bool sameParent,
                    bool targetHasChildren)
{
    if (sameNode || targetInsideDragged)
        return MovePlace::Nowhere;
    // First move: under the target unless it is a leaf sibling, then before it.
    const bool firstUnderTarget = !sameParent || targetHasChildren;
    // Second move looks at the target as the first one left it.
    const bool targetHasChildrenNow = targetHasChildren || firstUnderTarget;
    return targetHasChildrenNow ? MovePlace::BeforeTarget : MovePlace::LastChildOfTarget;
}
