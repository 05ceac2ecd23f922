// Sorts 5,000 children by position through the builder window, beside the
// step-by-step reference order computed in the same run, which the result
// must equal.
#include "../tests/builder/literalchildsort.h"
#include "benchutil.h"
#include "builder/Unit4.h"
#include "builder/buildertreeview.h"
#include "builder/treeitems.h"
#include "catalog/childsort.h"

#include <QApplication>
#include <QRandomGenerator>

namespace {

// Positions drawn at random with many repeats, a tenth written in other
// forms (05, +5, $5, " 5") and some texts repeated outright.
QStringList randomChildren(int count)
{
    QRandomGenerator random(1251);
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && random.bounded(20) == 0) {
            texts.append(texts[random.bounded(i)]);
            continue;
        }
        const int value = int(random.bounded(count / 2)) + 1;
        QString position = QString::number(value);
        switch (random.bounded(40)) {
        case 0:
            position = QStringLiteral("0%1").arg(value);
            break;
        case 1:
            position = QStringLiteral("+%1").arg(value);
            break;
        case 2:
            position = QStringLiteral("$%1").arg(value, 0, 16);
            break;
        case 3:
            position = QStringLiteral(" %1").arg(value);
            break;
        default:
            break;
        }
        texts.append(MakeNodeText(position, QStringLiteral("АБВ.%1").arg(random.bounded(50)),
                                  QStringLiteral("Деталь"), QStringLiteral("1"),
                                  QStringLiteral("шт")));
    }
    return texts;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 5000;
    const QStringList texts = randomChildren(count);

    TForm4 form;
    QTreeWidgetItem *parent = addNode(form.TreeView1, nullptr, QStringLiteral("Изделие"));
    const auto refill = [&] {
        qDeleteAll(parent->takeChildren());
        for (const QString &text : texts)
            addNode(form.TreeView1, parent, text);
        form.TreeView1->setCurrentItem(parent);
    };
    std::vector<int> order;
    const double pure = bestSeconds(5, [&] { order = sortedChildOrder(texts); });
    double window = 1e100;
    for (int run = 0; run < 5; ++run) {
        refill();
        QElapsedTimer timer;
        timer.start();
        form.N18Click();
        window = std::min(window, timer.nsecsElapsed() / 1e9);
    }
    std::vector<int> reference;
    const double literal = bestSeconds(1, [&] { reference = literalChildOrder(texts); });

    QStringList expected;
    for (int index : reference)
        expected.append(texts[index]);
    const bool same = order == reference && childTexts(parent) == expected;
    std::printf("%d children, %lld distinct texts\n", count,
                qsizetype(QSet<QString>(texts.begin(), texts.end()).size()));
    std::printf("sort through the window: %6.1f ms  (target < 50 ms; order alone %.1f ms)\n",
                window * 1e3, pure * 1e3);
    std::printf("step-by-step reference:  %6.1f ms  ratio %.3f  same result: %s\n", literal * 1e3,
                window / literal, same ? "yes" : "NO");
    return same ? 0 : 1;
}
