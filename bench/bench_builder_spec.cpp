// "Создать Спецификации" through the builder window over a tree of 10,000
// assemblies, beside writing the same files' bytes directly (atomically, as
// every file of the program is written), measured in the same run.
#include "benchutil.h"
#include "builder/Unit4.h"
#include "builder/buildertreeview.h"
#include "catalog/nodetext.h"
#include "catalog/specfile.h"
#include "catalog/textfile.h"
#include "platform/treewidget.h"
#include "platform/workspace.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>

namespace {

QString entry(int position, int number)
{
    return MakeNodeText(
        QString::number(position), QStringLiteral("АБВГ.%1").arg(number, 6, 10, QChar(u'0')),
        QStringLiteral("Узел №%1").arg(number), QStringLiteral("1"), QStringLiteral("шт"));
}

// A main assembly over assemblies nested a few levels deep, each holding
// some parts.
CatalogTree makeTree(int assemblies)
{
    QRandomGenerator random(1251);
    // Assembly i hangs under an earlier one (or the main assembly, -1).
    std::vector<std::vector<int>> under(size_t(assemblies) + 1);
    for (int i = 0; i < assemblies; ++i) {
        const int parent = i == 0 ? -1 : int(random.bounded(-1, std::min(i, 2000)));
        under[size_t(parent + 1)].push_back(i);
    }
    int number = 0;
    const std::function<TreeNode(int, int)> build = [&](int assembly, int position) {
        TreeNode node{entry(position, ++number), {}};
        const int parts = int(random.bounded(2, 9));
        for (int p = 0; p < parts; ++p)
            node.children.push_back({entry(p + 1, ++number), {}});
        for (int child : under[size_t(assembly + 1)])
            node.children.push_back(build(child, int(node.children.size()) + 1));
        return node;
    };
    TreeNode main{QStringLiteral("Изделие"), {}};
    for (int child : under[0])
        main.children.push_back(build(child, int(main.children.size()) + 1));
    return CatalogTree{main};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int assemblies = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    SpDir = dir.path() + QStringLiteral("/SP/");
    const QString direct = dir.path() + QStringLiteral("/direct/");
    QDir().mkpath(SpDir);
    QDir().mkpath(direct);

    const CatalogTree tree = makeTree(assemblies);
    TForm4 form;
    fillTreeWidget(form.TreeView1, tree);

    // The bytes each file gets, prepared before the clock starts.
    std::vector<std::pair<QString, QByteArray>> files;
    forEachPreOrder(tree, [&](const TreeNode &node, int) {
        const QString designation = NodeField(node.text, 2);
        if (node.children.empty() || designation.isEmpty())
            return;
        QStringList lines;
        for (const TreeNode &child : node.children)
            lines.append(child.text);
        const QString path = specFilePath(direct, designation);
        files.emplace_back(path, encodeLines(lines, path));
    });

    const double command = bestSeconds(3, [&] { form.N16Click(); });
    const double bytes = bestSeconds(3, [&] {
        for (const auto &[path, content] : files)
            writeFileAtomically(path, content);
    });
    const qsizetype written = QDir(SpDir).entryList(QDir::Files).size();
    if (written != qsizetype(files.size()))
        return 1;
    std::printf("%lld specification files from %lld assemblies\n", written,
                qsizetype(files.size()));
    std::printf(
        "Создать Спецификации: %6.0f ms  (baseline writing the bytes %6.0f ms)  ratio %.2f  "
        "(target <= 2.0)\n",
        command * 1e3, bytes * 1e3, command / bytes);
    return 0;
}
