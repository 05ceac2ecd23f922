// Loads a 100,000-node tree file into the builder's catalogue tree and shows
// it, then saves it back from the tree; beside the plain file load and the
// plain save of the same tree, measured in the same run.
#include "benchtree.h"
#include "benchutil.h"
#include "builder/Unit4.h"
#include "builder/buildertreeview.h"
#include "builder/treeitems.h"
#include "catalog/nodetext.h"
#include "catalog/treefile.h"
#include "platform/treewidget.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    const QString path = dir.filePath("tree.dat");
    const QString copy = dir.filePath("copy.dat");
    const CatalogTree tree = makeBenchTree(count, 6);
    SaveTreeFile(tree, path);

    TForm4 form;
    form.show();
    QApplication::processEvents();
    const double fileLoad = bestSeconds(3, [&] { LoadTreeFile(path); });
    const double load = bestSeconds(3, [&] {
        form.TreeView1->clear();
        QApplication::processEvents();
        fillTreeWidget(form.TreeView1, LoadTreeFile(path));
        form.TreeView1->repaint();
        QApplication::processEvents();
    });
    if (countNodes(treeFromWidget(form.TreeView1)) != count)
        return 1;

    const double plainSave = bestSeconds(9, [&] { SaveTreeFile(tree, copy); });
    const double save = bestSeconds(9, [&] { saveTreeView(form.TreeView1, copy); });

    std::printf("tree of %d nodes\n", count);
    std::printf("load and show: %6.0f ms  (target < 500 ms; file load alone %5.0f ms)\n",
                load * 1e3, fileLoad * 1e3);
    std::printf("save from view: %5.0f ms  (baseline save of the tree %5.0f ms)  ratio %.2f  "
                "(target <= 1.5)\n",
                save * 1e3, plainSave * 1e3, save / plainSave);
    return 0;
}
