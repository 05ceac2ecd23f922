#pragma once
// Answering the modal dialogs of the editor's tests, the way a user would.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

// Answers modal dialogs in order. The picker is shown again and again as the
// same window, so a new showing is told by its Show event, not by its
// having been seen hidden in between.
class Answers : public QObject
{
public:
    Answers()
    {
        qApp->installEventFilter(this);
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &Answers::tick);
        m_timer.start();
    }
    void push(std::function<void(QWidget *)> answer) { m_queue.push_back(std::move(answer)); }
    bool done() const { return m_queue.empty(); }
    void clear() { m_queue.clear(); }

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
        if (!modal || !modal->isVisible() || modal == m_answered || m_queue.empty())
            return;
        m_answered = modal;
        auto answer = std::move(m_queue.front());
        m_queue.pop_front();
        answer(modal);
    }

    std::deque<std::function<void(QWidget *)>> m_queue;
    QPointer<QWidget> m_answered;
    QTimer m_timer;
};

inline Answers *answers = nullptr;

inline QStringList &seenMessages()
{
    static QStringList messages;
    return messages;
}

inline void answerNextModal(std::function<void(QWidget *)> answer)
{
    answers->push(std::move(answer));
}

inline void answerMessageBox(int button)
{
    answerNextModal([button](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        QVERIFY(box);
        seenMessages().append(box->text());
        box->button(QMessageBox::StandardButton(button))->click();
    });
}
