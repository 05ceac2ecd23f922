#include "modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>

namespace {

std::deque<std::function<void(QWidget *)>> &queue()
{
    static std::deque<std::function<void(QWidget *)>> answers;
    return answers;
}

// A dialog is answered once per showing; the same window shown again (the
// picker, the program's own dialogs) is a new showing, told by its Show event.
class Poller : public QObject
{
public:
    Poller() : QObject(qApp)
    {
        qApp->installEventFilter(this);
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &Poller::tick);
    }
    void start() { m_timer.start(); }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && object == m_answered)
            m_answered = nullptr;
        return false;
    }

private:
    void tick()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == m_answered || queue().empty())
            return;
        m_answered = modal;
        auto answer = std::move(queue().front());
        queue().pop_front();
        answer(modal);
        if (queue().empty())
            m_timer.stop();
    }

    QPointer<QWidget> m_answered;
    QTimer m_timer;
};

Poller *poller()
{
    static Poller *instance = new Poller;
    return instance;
}

} // namespace

void answerNextModal(std::function<void(QWidget *)> answer)
{
    queue().push_back(std::move(answer));
    poller()->start();
}

QStringList &seenMessages()
{
    static QStringList messages;
    return messages;
}

void answerMessageBox(int standardButton)
{
    answerNextModal([standardButton](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box) {
            seenMessages().append(
                QStringLiteral("<not a message box: %1>").arg(widget->metaObject()->className()));
            widget->close();
            return;
        }
        seenMessages().append(box->text());
        QAbstractButton *button = box->button(QMessageBox::StandardButton(standardButton));
        if (button)
            button->click();
        else
            box->reject();
    });
}

bool modalAnswersDone()
{
    return queue().empty();
}

void clearModalAnswers()
{
    queue().clear();
}

void typeFileName(QFileDialog *dialog, const QString &path)
{
    const QFileInfo info(path);
    dialog->setDirectory(info.absolutePath());
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!edit)
        qFatal("file dialog without a name box");
    edit->setText(info.fileName());
}

void answerFileDialog(const QString &path)
{
    answerNextModal([path](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog) {
            seenMessages().append(
                QStringLiteral("<not a file dialog: %1>").arg(widget->metaObject()->className()));
            widget->close();
            return;
        }
        seenMessages().append(dialog->objectName());
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        typeFileName(dialog, path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}
