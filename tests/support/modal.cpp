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

namespace
{

std::deque<std::function<void(QWidget *)>> &queue()
{
    static std::deque<std::function<void(QWidget *)>> answers;
    return answers;
}

QTimer *poller()
{
    static QTimer *timer = [] {
        auto *t = new QTimer(qApp);
        t->setInterval(5);
        QObject::connect(t, &QTimer::timeout, [] {
            // A dialog is answered once per showing: it must leave the
            // screen before the next answer goes to it.
            static QPointer<QWidget> answered;
            QWidget *modal = QApplication::activeModalWidget();
            if (modal != answered || (modal && !modal->isVisible()))
                answered = nullptr;
            if (!modal || !modal->isVisible() || modal == answered || queue().empty())
                return;
            answered = modal;
            auto answer = std::move(queue().front());
            queue().pop_front();
            answer(modal);
            if (queue().empty())
                poller()->stop();
        });
        return t;
    }();
    return timer;
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
        // The name goes into the dialog's name box as a user would type it.
        dialog->setDirectory(QFileInfo(path).absolutePath());
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    });
}
