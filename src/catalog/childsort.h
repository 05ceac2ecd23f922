#pragma once
// The order "Сортировать дочерние" gives the children of a node.

#include <QStringList>
#include <vector>

// The children's new order as indexes into `texts`. The position field of
// every text must convert to a whole number; the first that does not is an
// error ("'<field>' is not a valid integer value") and nothing is ordered.
//
// The order is the one a move-to-the-end pass per matching text gives: the
// children whose position is not in plain decimal form keep their place in
// front, the others follow by number; identical texts are moved together,
// which can interleave them in ways only the passes themselves define.
std::vector<int> sortedChildOrder(const QStringList &texts);
