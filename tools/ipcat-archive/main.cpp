// ipcat-archive: creates the local archive, loads a product structure into
// it, chooses its current object, and lists and writes out entered files.

#include "catalog/error.h"
#include "catalog/strtoint.h"
#include "catalog/textfile.h"
#include "search/archivedatabase.h"
#include "search/localarchive.h"
#include "search/structurefile.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char Usage[] = R"(Использование: ipcat-archive [--archive ФАЙЛ] КОМАНДА
  create                      создать пустой архив
  load СТРУКТУРА.json         заменить объекты и составы архива структурой изделия
  select ОБОЗНАЧЕНИЕ          сделать объект текущим (его берёт "Загрузить из Search")
  files ОБОЗНАЧЕНИЕ           перечислить файлы, занесённые в объект: номер, имя, размер
  extract НОМЕР ФАЙЛ          записать занесённый файл с этим номером в ФАЙЛ
Архив по умолчанию: archive.sqlite в папке программы.
)";

struct UsageError {
    QString message;
};

int run(const QStringList &arguments, QTextStream &out)
{
    QStringList args = arguments;
    QString archive = LocalArchive::defaultPath();
    if (args.size() >= 2 && args[0] == QLatin1String("--archive")) {
        archive = args[1];
        args.remove(0, 2);
    }
    if (args.isEmpty())
        throw UsageError{QStringLiteral("не указана команда.")};
    const QString command = args.takeFirst();
    const auto expect = [&](qsizetype count) {
        if (args.size() != count)
            throw UsageError{
                QStringLiteral("команде %1 нужно аргументов: %2.").arg(command).arg(count)};
    };

    if (command == QLatin1String("create")) {
        expect(0);
        ArchiveDatabase::create(archive);
        out << QStringLiteral("Создан архив \"%1\".").arg(archive) << Qt::endl;
    } else if (command == QLatin1String("load")) {
        expect(1);
        // The file is checked whole before the archive is touched.
        const ArchiveStructure structure = readStructureFile(args[0]);
        ArchiveDatabase db(archive);
        db.replaceStructure(structure);
        out << QStringLiteral("Загружено объектов: %1, составов: %2.")
                   .arg(structure.objects.size())
                   .arg(structure.assemblies.size())
            << Qt::endl;
    } else if (command == QLatin1String("select")) {
        expect(1);
        ArchiveDatabase db(archive);
        const ArchiveObject object = db.objectByDesignation(args[0]);
        db.setCurrentObject(object.id);
        out << QStringLiteral("Текущий объект: %1 %2.").arg(object.designation, object.name)
            << Qt::endl;
    } else if (command == QLatin1String("files")) {
        expect(1);
        const ArchiveDatabase db(archive);
        for (const ArchiveFileEntry &file : db.files(db.objectByDesignation(args[0]).id))
            out << file.number << '\t' << file.name << '\t' << file.size << Qt::endl;
    } else if (command == QLatin1String("extract")) {
        expect(2);
        const ArchiveDatabase db(archive);
        const std::optional<int> number = tryStrToInt(args[0]);
        if (!number)
            throw UsageError{QStringLiteral("номер файла \"%1\" не является числом.").arg(args[0])};
        writeFileAtomically(args[1], db.fileContent(*number));
    } else {
        throw UsageError{QStringLiteral("неизвестная команда \"%1\".").arg(command)};
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.value(0) == QLatin1String("--help")) {
        out << QString::fromUtf8(Usage);
        return 0;
    }
    try {
        return run(arguments, out);
    } catch (const UsageError &error) {
        err << "ipcat-archive: " << error.message << Qt::endl << QString::fromUtf8(Usage);
        return 2;
    } catch (const IpcatError &error) {
        err << "ipcat-archive: " << error.message() << Qt::endl;
        return 1;
    }
}
