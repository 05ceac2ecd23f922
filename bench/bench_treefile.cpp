// Saves and loads a tree file of a million nodes beside two baselines
// measured in the same run: reading the bytes and splitting them into lines,
// and writing the same bytes.
#include "benchutil.h"
#include "catalog/nodetext.h"
#include "catalog/textfile.h"
#include "catalog/treefile.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

CatalogTree makeTree(int count)
{
    QRandomGenerator random(1251);
    CatalogTree tree;
    std::vector<TreeNode *> path;
    for (int i = 0; i < count; ++i) {
        const int depth =
            path.empty() ? 0 : int(random.bounded(std::min<int>(int(path.size()), 5) + 1));
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QTemporaryDir dir;
    const QString path = dir.filePath("tree.dat");
    const QString copy = dir.filePath("bytes.dat");

    CatalogTree tree = makeTree(count);
    const double save = bestSeconds(3, [&] { SaveTreeFile(tree, path); });
    const QByteArray bytes = readFileBytes(path);
    const double megabytes = bytes.size() / 1e6;
    tree = {};

    const double write = bestSeconds(3, [&] {
        QSaveFile file(copy);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.commit();
    });
    const double split = bestSeconds(3, [&] {
        QByteArrayList lines;
        forEachLine(readFileBytes(path), [&](const char *begin, qsizetype length) {
            lines.append(QByteArray(begin, length));
        });
    });

    double load = 1e100;
    double memory = 0;
    for (int run = 0; run < 3; ++run) {
        const double before = heapInUseMegabytes();
        QElapsedTimer timer;
        timer.start();
        CatalogTree loaded = LoadTreeFile(path);
        load = std::min(load, timer.nsecsElapsed() / 1e9);
        memory = heapInUseMegabytes() - before;
        if (countNodes(loaded) != count)
            return 1;
    }

    std::printf("tree file: %d nodes, %.1f MB\n", count, megabytes);
    std::printf(
        "load:  %7.1f MB/s  (baseline read+split %7.1f MB/s)  ratio %.2f  (target <= 2.0)\n",
        megabytes / load, megabytes / split, load / split);
    std::printf(
        "save:  %7.1f MB/s  (baseline write      %7.1f MB/s)  ratio %.2f  (target <= 1.5)\n",
        megabytes / save, megabytes / write, save / write);
    std::printf("loaded tree memory: %.0f MB  (target < 250 MB)\n", memory);
    return 0;
}
