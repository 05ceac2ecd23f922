#include "treefile.h"

#include "codec.h"
#include "error.h"
#include "textfile.h"

#include <cstring>

qsizetype countNodes(const CatalogTree &tree)
{
    qsizetype count = 0;
    forEachPreOrder(tree, [&](const TreeNode &, int) { ++count; });
    return count;
}

CatalogTree parseTreeBytes(const QByteArray &bytes)
{
    CatalogTree tree;
    // path[d] is the node of depth d on the way to the node added last;
    // adding a sibling only moves vectors below the path's own entries.
    std::vector<TreeNode *> path;
    forEachLine(bytes, [&](const char *begin, qsizetype length) {
        qsizetype level = 0;
        while (level < length && (begin[level] == '\t' || begin[level] == ' '))
            ++level;
        QString text = cp1251::decode(begin + level, length - level);
        if (path.empty()) {
            tree.push_back({std::move(text), {}});
            path.push_back(&tree.back());
            return;
        }
        const qsizetype last = qsizetype(path.size()) - 1;
        if (level > last + 1) {
            throw IpcatError(QStringLiteral("Invalid level (%1) for item \"%2\"")
                                 .arg(QString::number(level), text));
        }
        path.resize(size_t(level));
        std::vector<TreeNode> &siblings = level == 0 ? tree : path.back()->children;
        siblings.push_back({std::move(text), {}});
        path.push_back(&siblings.back());
    });
    return tree;
}

CatalogTree LoadTreeFile(const QString &path)
{
    const QByteArray bytes = readFileBytes(path);
    try {
        return parseTreeBytes(bytes);
    } catch (const IpcatError &error) {
        throw IpcatError(QStringLiteral("%1\nФайл: %2").arg(error.message(), path));
    }
}

void writeTreeLine(AtomicFileWriter &out, const QString &path, const QString &text, int depth)
{
    const qsizetype size = text.size();
    char *p = out.reserve(depth + size + 2);
    std::memset(p, '\t', size_t(depth));
    if (!cp1251::encodeInto(p + depth, text))
        cp1251::throwUnencodable(text, path);
    p[depth + size] = '\r';
    p[depth + size + 1] = '\n';
    out.advance(depth + size + 2);
}

namespace {

void writeTree(const CatalogTree &tree, const QString &path, AtomicFileWriter &out)
{
    forEachPreOrder(
        tree, [&](const TreeNode &node, int depth) { writeTreeLine(out, path, node.text, depth); });
}

} // namespace

void SaveTreeFile(const CatalogTree &tree, const QString &path)
{
    AtomicFileWriter out(path);
    writeTree(tree, path, out);
    out.commit();
}
