// Saves and loads a tree file of a million nodes beside two baselines
// measured in the same run: reading the bytes and splitting them into lines,
// and writing the same bytes.
#include "benchtree.h"
#include "benchutil.h"
#include "catalog/nodetext.h"
#include "catalog/textfile.h"
#include "catalog/treefile.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QTemporaryDir dir;
    const QString path = dir.filePath("tree.dat");
    const QString copy = dir.filePath("bytes.dat");

    CatalogTree tree = makeBenchTree(count, 5);
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
