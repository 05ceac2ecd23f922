// Imports a 20,000-object assembly of six levels from the local archive into
// a tree view, beside the bare time of reading the same structure with one
// SQL query in the same run.
#include "benchutil.h"
#include "search/S4_TLB.h"
#include "search/archivedatabase.h"
#include "search/importcommand.h"
#include "search/localarchive.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

// Assemblies branch four ways down six levels, each with 14 parts of its own.
ArchiveStructure makeStructure()
{
    ArchiveStructure structure;
    int next = 1;
    const auto object = [&](const QString &prefix, int kind) {
        const int id = next++;
        structure.objects.append({id, QStringLiteral("%1.%2").arg(prefix).arg(id),
                                  QStringLiteral("Изделие №%1").arg(id), kind});
        return id;
    };
    std::function<int(int)> assembly = [&](int level) {
        const int id = object(QStringLiteral("СБ"), 3);
        ArchiveAssembly composition{id, {}};
        for (int i = 0; i < 14; ++i)
            composition.components.append(
                {object(QStringLiteral("ДТ"), 4), QString::number(i + 1), "2", "шт"});
        if (level < 5) {
            for (int i = 0; i < 4; ++i)
                composition.components.append(
                    {assembly(level + 1), QString::number(20 + i), "1", "шт"});
        }
        structure.assemblies.append(composition);
        return id;
    };
    assembly(0);
    return structure;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("archive.sqlite");
    ArchiveDatabase::create(path);
    const ArchiveStructure structure = makeStructure();
    {
        ArchiveDatabase db(path);
        db.replaceStructure(structure);
        db.setCurrentObject(1);
    }

    const double query = bestSeconds(3, [&] {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        db.setDatabaseName(path);
        db.open();
        {
            QSqlQuery rows(db);
            rows.setForwardOnly(true);
            rows.exec(QStringLiteral(
                "SELECT c.assembly, c.line, c.position, c.quantity, c.unit,"
                " o.id, o.designation, o.name, o.kind FROM components c"
                " JOIN objects o ON o.id = c.component ORDER BY c.assembly, c.line"));
            QStringList texts;
            while (rows.next())
                texts.append(rows.value(6).toString() + rows.value(7).toString() +
                             rows.value(2).toString());
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    });

    setSearchServerFactory([&] { return std::make_unique<LocalArchive>(path); });
    QTreeWidget tree;
    tree.show();
    int nodes = 0;
    const double import = bestSeconds(3, [&] {
        importIntoTreeView(&tree, nullptr);
        QCoreApplication::processEvents();
        nodes = 0;
        for (QTreeWidgetItemIterator it(&tree); *it; ++it)
            ++nodes;
    });

    std::printf(
        "import of %lld objects, six levels: %.0f ms into the tree view (target < 1000 ms)\n",
        static_cast<long long>(structure.objects.size()), import * 1e3);
    std::printf("baseline, one SQL query over the same structure: %.0f ms; ratio %.1f\n",
                query * 1e3, import / query);
    return nodes == structure.objects.size() ? 0 : 1;
}
