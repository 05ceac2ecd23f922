// Opens the illustration editor, one of its dialogs or the picture picker over
// a sample workspace in a fresh folder, the way the main window will hand an
// assembly over to the editor. For looking at the windows and taking
// screenshots: editordemo form7|form9|form10|form11 [folder]
#include "app/Unit1.h"
#include "app/Unit11.h"
#include "app/program.h"
#include "catalog/textfile.h"
#include "editor/Unit10.h"
#include "editor/Unit7.h"
#include "editor/Unit9.h"
#include "platform/filelistbox.h"
#include "platform/pictureview.h"
#include "platform/workspace.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// A plain drawing of a pump: housing, shaft, flanges and bolts.
void drawPump(const QString &path, const QString &caption)
{
    QImage image(1200, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.drawEllipse(QPoint(600, 430), 230, 230);
    p.drawEllipse(QPoint(600, 430), 90, 90);
    p.drawRect(150, 400, 220, 60);
    p.drawRect(830, 380, 240, 100);
    p.drawRect(520, 130, 160, 80);
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159 / 4;
        p.drawEllipse(QPointF(600 + 160 * std::cos(a), 430 + 160 * std::sin(a)), 14, 14);
    }
    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawLine(100, 430, 1120, 430);
    p.drawLine(600, 100, 600, 740);
    p.setFont(QFont(QString(), 18));
    p.drawText(40, 770, caption);
    p.end();
    image.save(path, "JPEG", 92);
}

void handOver(const QString &folder, const QString &picture, const QStringList &specification)
{
    Form7->ImageEnVect1->removeAllObjects();
    Form7->ImageEnVect1->loadFile(folder + picture);
    Form7->ListBox1->clear();
    Form7->ListBox2->clear();
    Form7->ListBox3->clear();
    for (const QString &line : specification) {
        Form7->ListBox3->addItem(line);
        Form7->ListBox1->addItem(line.left(line.indexOf(u'|')));
    }
    Form11->setFolder(folder);
    const auto found = Form11->FileListBox1->findItems(picture, Qt::MatchExactly);
    if (!found.isEmpty())
        Form11->FileListBox1->setItemIndex(Form11->FileListBox1->row(found.first()));
}

void report(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    std::printf("%d %d %d %d\n", frame.x(), frame.y(), frame.width(), frame.height());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("form7");
    QTemporaryDir temporary;
    const QString base = argc > 2 ? QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + "/"
                                  : temporary.path() + "/";
    startProgram(base + "ipcat");

    const QString folder = PicDir + QStringLiteral("Насос/");
    QDir().mkpath(folder);
    drawPump(folder + QStringLiteral("Насос_Общий вид.Jpg"), QStringLiteral("Насос: общий вид"));
    drawPump(folder + QStringLiteral("Насос_Вид А.Jpg"), QStringLiteral("Насос: вид А"));
    drawPump(folder + QStringLiteral("Насос_Б.Jpg"), QStringLiteral("Насос: разрез Б-Б"));
    const QStringList specification = {QStringLiteral("1|АБВГ.301111.001|Корпус|1|шт|"),
                                       QStringLiteral("2|АБВГ.302222.002|Крышка|1|шт|"),
                                       QStringLiteral("3|АБВГ.303333.003|Вал|1|шт|"),
                                       QStringLiteral("12|ГОСТ 7798-70|Болт М12х40|8|шт|")};
    writeTextLines(DataDir + QStringLiteral("Насос_Общий вид.Dat"),
                   {QStringLiteral("&420*250*600*130*2"),
                    QStringLiteral("!120*360*400*500*2*Вид А@Насос_Вид А.Jpg"),
                    QStringLiteral("$800*300*1100*560*1*Б@Насос_Б.Jpg"),
                    QStringLiteral("#880*140*1080*220*4*Вид А@Насос_Вид А.Jpg"),
                    QStringLiteral("%600*430*90*663*366*760*250*Вид Б@Насос_Б.Jpg")});
    handOver(folder, QStringLiteral("Насос_Общий вид.Jpg"), specification);

    QTimer::singleShot(0, [&] {
        if (which == "form9" || which == "form10") {
            QDialog *dialog = which == "form9" ? static_cast<QDialog *>(Form9) : Form10;
            QTimer::singleShot(300, [dialog] { report(dialog); });
            dialog->exec();
        } else if (which == "form11") {
            Form11->setWindowTitle(folder);
            QTimer::singleShot(300, [] { report(Form11); });
            Form11->FileListBox1Click();
            Form11->exec();
        } else {
            Form7->setWindowState(Qt::WindowNoState);
            Form7->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
            QTimer::singleShot(500, [] {
                // One call-out placed by the mouse over the stored marks, in its placing colour.
                Form7->ListBox1->setCurrentRow(3);
                Form7->ListBox1Click();
                const QPoint from = Form7->ImageEnVect1->pictureToWidget({700, 600});
                const QPoint to = Form7->ImageEnVect1->pictureToWidget({820, 690});
                Form7->ImageEnVect1MouseDown(Qt::LeftButton, from.x(), from.y());
                Form7->ImageEnVect1MouseUp(Qt::LeftButton, to.x(), to.y());
                report(Form7);
            });
            EditMode = 1;
            Form7->exec();
            EditMode = 0;
        }
        QApplication::quit();
    });
    const int result = app.exec();
    stopProgram();
    return result;
}
