#include "childsort.h"

#include "nodetext.h"
#include "strtoint.h"

#include <QHash>
#include <deque>
#include <map>

namespace {

// The children as a linked list, so that a pass costs the number of children
// carrying its text rather than the number of children.
class ChildList
{
public:
    explicit ChildList(int count) : m_prev(size_t(count)), m_next(size_t(count))
    {
        for (int i = 0; i < count; ++i) {
            m_prev[size_t(i)] = i - 1;
            m_next[size_t(i)] = i + 1 < count ? i + 1 : -1;
        }
        m_head = count > 0 ? 0 : -1;
        m_tail = count - 1;
    }

    int previous(int child) const { return m_prev[size_t(child)]; }
    int last() const { return m_tail; }

    // The last `count` children, in order.
    std::vector<int> lastChildren(int count) const
    {
        std::vector<int> result(static_cast<size_t>(count));
        int child = m_tail;
        for (int i = count - 1; i >= 0; --i) {
            result[size_t(i)] = child;
            child = m_prev[size_t(child)];
        }
        return result;
    }

    void moveToEnd(int child)
    {
        if (child == m_tail)
            return;
        const int before = m_prev[size_t(child)];
        const int after = m_next[size_t(child)];
        (before < 0 ? m_head : m_next[size_t(before)]) = after;
        m_prev[size_t(after)] = before;
        m_prev[size_t(child)] = m_tail;
        m_next[size_t(child)] = -1;
        m_next[size_t(m_tail)] = child;
        m_tail = child;
    }

    std::vector<int> order() const
    {
        std::vector<int> result;
        result.reserve(m_prev.size());
        for (int child = m_head; child >= 0; child = m_next[size_t(child)])
            result.push_back(child);
        return result;
    }

private:
    std::vector<int> m_prev;
    std::vector<int> m_next;
    int m_head;
    int m_tail;
};

// The order in which children queued at the end leave the queue when each
// step sends one back to the end and lets the next one through.
std::vector<int> skipOneTakeOne(std::deque<int> queue)
{
    std::vector<int> out;
    out.reserve(queue.size());
    while (!queue.empty()) {
        queue.push_back(queue.front());
        queue.pop_front();
        out.push_back(queue.front());
        queue.pop_front();
    }
    return out;
}

// One pass for one text: the scan moves each matching child it looks at to the
// end and then steps over the child that slid into its place. `members` holds
// the children with that text in list order and is kept so.
void movePass(ChildList &list, std::vector<int> &members)
{
    const size_t count = members.size();
    std::vector<int> stay;
    std::deque<int> moved;
    bool previousMoved = false;
    for (size_t i = 0; i < count; ++i) {
        const int child = members[i];
        const bool steppedOver = previousMoved && list.previous(child) == members[i - 1];
        if (steppedOver)
            stay.push_back(child);
        else
            moved.push_back(child);
        previousMoved = !steppedOver;
    }
    // After the last child at the start of the pass the scan runs on over the
    // moved ones; when that last child was itself moved, the step over it
    // lets the first moved child through at once.
    std::vector<int> tail;
    if (!moved.empty() && previousMoved && members.back() == list.last()) {
        tail.push_back(moved.front());
        moved.pop_front();
    }
    for (int child : skipOneTakeOne(std::move(moved)))
        tail.push_back(child);
    for (int child : tail)
        list.moveToEnd(child);
    members = std::move(stay);
    members.insert(members.end(), tail.begin(), tail.end());
}

struct Group {
    int occurrences = 0;      // children of this number, in any form
    int size = 0;             // children of this number in plain form
    std::vector<int> textIds; // their texts, in the children's order
};

class ChildSorter
{
public:
    explicit ChildSorter(int count) : m_list(count), m_textOf(size_t(count)) {}

    void setText(int child, int textId)
    {
        m_textOf[size_t(child)] = textId;
        if (size_t(textId) >= m_members.size())
            m_members.resize(size_t(textId) + 1);
        m_members[size_t(textId)].push_back(child);
    }

    // Once every child of a group has been moved, the group sits at the end
    // and each further round of passes only shuffles it, by the same shuffle
    // of places for as long as the texts' places repeat; such rounds are
    // applied at once.
    void runGroup(const Group &group)
    {
        round(group);
        for (int remaining = group.occurrences - 1; remaining > 0; --remaining) {
            const std::vector<int> before = m_list.lastChildren(group.size);
            round(group);
            const std::vector<int> after = m_list.lastChildren(group.size);
            if (samePlaces(before, after)) {
                repeatShuffle(group, before, after, remaining - 1);
                return;
            }
        }
    }

    std::vector<int> order() const { return m_list.order(); }

private:
    void round(const Group &group)
    {
        for (int id : group.textIds)
            movePass(m_list, m_members[size_t(id)]);
    }

    bool samePlaces(const std::vector<int> &a, const std::vector<int> &b) const
    {
        for (size_t i = 0; i < a.size(); ++i) {
            if (m_textOf[size_t(a[i])] != m_textOf[size_t(b[i])])
                return false;
        }
        return true;
    }

    void repeatShuffle(const Group &group, const std::vector<int> &before,
                       const std::vector<int> &after, int times)
    {
        const size_t size = before.size();
        QHash<int, int> placeBefore;
        placeBefore.reserve(qsizetype(size));
        for (size_t p = 0; p < size; ++p)
            placeBefore.insert(before[p], int(p));
        // after[p] == before[source[p]], so `times` more rounds give
        // after[source^times(p)] at place p.
        std::vector<int> source(size);
        for (size_t p = 0; p < size; ++p)
            source[p] = placeBefore.value(after[p]);
        std::vector<int> result(size);
        std::vector<bool> done(size);
        std::vector<int> cycle;
        for (size_t start = 0; start < size; ++start) {
            if (done[start])
                continue;
            cycle.clear();
            for (int p = int(start); !done[size_t(p)]; p = source[size_t(p)]) {
                done[size_t(p)] = true;
                cycle.push_back(p);
            }
            const size_t length = cycle.size();
            for (size_t i = 0; i < length; ++i)
                result[size_t(cycle[i])] = after[size_t(cycle[(i + size_t(times)) % length])];
        }
        for (int id : group.textIds)
            m_members[size_t(id)].clear();
        for (int child : result) {
            m_list.moveToEnd(child);
            m_members[size_t(m_textOf[size_t(child)])].push_back(child);
        }
    }

    ChildList m_list;
    std::vector<int> m_textOf;
    std::vector<std::vector<int>> m_members;
};

} // namespace

std::vector<int> sortedChildOrder(const QStringList &texts)
{
    const int count = int(texts.size());
    std::map<int, Group> groups;
    ChildSorter sorter(count);
    QHash<QString, int> textIds;
    textIds.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString &text = texts[i];
        const QString position = NodeField(text, 1);
        const int value = StrToInt(position);
        Group &group = groups[value];
        ++group.occurrences;
        const auto found = textIds.constFind(text);
        const int id = found != textIds.cend() ? *found : int(textIds.size());
        if (found == textIds.cend())
            textIds.insert(text, id);
        sorter.setText(i, id);
        if (QString::number(value) == position) {
            ++group.size;
            group.textIds.push_back(id);
        }
    }
    for (const auto &[value, group] : groups) {
        if (group.size > 0)
            sorter.runGroup(group);
    }
    return sorter.order();
}
