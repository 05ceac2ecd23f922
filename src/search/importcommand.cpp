#include "importcommand.h"

#include "S4_TLB.h"
#include "catalog/error.h"
#include "import.h"
#include "platform/treewidget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTreeWidget>
#include <memory>

namespace {

// Shows a busy dialog once the work has taken half a second, and keeps the
// windows painted while it goes on.
class BusyIndicator
{
public:
    BusyIndicator(QWidget *parent, QString text) : m_parent(parent), m_text(std::move(text))
    {
        m_clock.start();
    }

    void tick()
    {
        if (++m_count % 32 != 0)
            return;
        if (!m_dialog && m_clock.elapsed() > 500) {
            m_dialog = std::make_unique<QProgressDialog>(m_parent);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setCancelButton(nullptr);
            m_dialog->setRange(0, 0);
            m_dialog->setMinimumDuration(0);
            m_dialog->show();
        }
        if (m_dialog) {
            m_dialog->setLabelText(m_text.arg(m_count));
            QCoreApplication::processEvents();
        }
    }

private:
    QWidget *m_parent;
    QString m_text;
    QElapsedTimer m_clock;
    std::unique_ptr<QProgressDialog> m_dialog;
    int m_count = 0;
};

} // namespace

void importIntoTreeView(QTreeWidget *target, QWidget *parent)
{
    const std::unique_ptr<SearchServer> server = CoTS4App::Create();
    server->Connect();
    BusyIndicator busy(parent, QStringLiteral("Загрузка состава из архива: прочитано объектов %1"));
    ImportWalk walk{*server, [&] { busy.tick(); }, {}, {}};
    CatalogTree imported;
    const auto show = [&] {
        for (const TreeNode &node : imported)
            target->addTopLevelItem(itemFromNode(node));
    };
    try {
        importSelection(walk, imported, [&] {
            if (target->topLevelItemCount() > 0)
                delete target->takeTopLevelItem(0);
        });
    } catch (...) {
        show();
        throw;
    }
    show();
    if (!walk.repeated.isEmpty()) {
        throw IpcatError(QStringLiteral("Состав изделия замкнут сам на себя: сборки %1 входят в "
                                        "собственный состав. Они добавлены в дерево один раз, без "
                                        "повторного раскрытия.")
                             .arg(QStringLiteral("\"") +
                                  walk.repeated.join(QStringLiteral("\", \"")) +
                                  QStringLiteral("\"")));
    }
}
