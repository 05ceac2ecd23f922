// TForm3: the export of an assembly's files into the archive.
#include "Unit3.h"

#include "S4_TLB.h"
#include "catalog/error.h"
#include "platform/guard.h"
#include "platform/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

TForm3 *Form3 = nullptr;

namespace {

QListWidget *makeList(const char *name, int left, int width, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(left, 22, width, 575);
    return list;
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

TForm3::TForm3(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setFixedSize(813, 629);
    // A fixed dialog frame: a title and a close box, nothing to resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    ListBox1 = makeList("ListBox1", 0, 273, this);
    ListBox2 = makeList("ListBox2", 279, 266, this);
    ListBox3 = makeList("ListBox3", 551, 259, this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 629 - 24, 813, 24);
    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 6);
    Button1 = new QPushButton(QStringLiteral("Закрыть"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(813 - 75, 1, 75, 22);
    Button2 = new QPushButton(QStringLiteral("Занести"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(813 - 150, 1, 75, 22);
    Button2->setAutoDefault(false);
    Button1->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

void TForm3::setLists(const ExportLists &lists)
{
    ListBox1->clear();
    ListBox2->clear();
    ListBox3->clear();
    ListBox1->addItems(lists.specFiles);
    ListBox2->addItems(lists.pictures);
    ListBox3->addItems(lists.annotations);
    setWindowTitle(lists.stem);
}

ExportLists TForm3::lists() const
{
    return {windowTitle(), entries(ListBox1), entries(ListBox2), entries(ListBox3)};
}

void TForm3::Button1Click()
{
    close();
}

void TForm3::Button2Click()
{
    guarded(this, [&] {
        const ExportLists files = lists();
        requireEveryGroup(files);
        const QString exchange = exchangeFolder(BaseDir);
        if (!QFileInfo(exchange).isDir())
            throw IpcatError(
                QStringLiteral("Ничего не занесено: нет папки обмена с архивом \"%1\".")
                    .arg(QDir::toNativeSeparators(exchange)));

        QProgressDialog progress(QStringLiteral("Занесение файлов в архив..."), QString(), 0, 1,
                                 this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        const std::unique_ptr<SearchServer> server = CoTS4App::Create();
        const ExportReport report =
            exportToArchive(*server, files, exchange, [&](int done, int total) {
                progress.setMaximum(total);
                progress.setValue(done);
            });
        progress.reset();
        if (report.refused.isEmpty()) {
            QMessageBox::information(this, QString(), QStringLiteral("Занесено в архив"));
            return;
        }
        QString message = QStringLiteral("В архив занесены не все файлы.\n\nНе занесены:\n%1")
                              .arg(report.refused.join(u'\n'));
        if (!report.entered.isEmpty())
            message += QStringLiteral("\n\nЗанесены:\n%1").arg(report.entered.join(u'\n'));
        QMessageBox::warning(this, QString(), message);
    });
}
