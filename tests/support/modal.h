#pragma once
// Answers modal dialogs from a timer, the way a user would.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Waits (polling the event loop) for the next modal widget and hands it to
// `answer`. Several answers queue up and are given in order.
void answerNextModal(std::function<void(QWidget *)> answer);

// The texts of the message boxes answered by closeMessageBoxes/answer helpers.
QStringList &seenMessages();

// Answers the next message box by pressing the button with this role
// (QMessageBox::StandardButton); its text is recorded in seenMessages().
void answerMessageBox(int standardButton);

// True when every queued answer has been given.
bool modalAnswersDone();
// Drops any answers still queued.
void clearModalAnswers();

class QFileDialog;

// Types a full path into a file dialog as a user would: its folder, then the
// name in the name box (selectFile() leaves a focused box alone).
void typeFileName(QFileDialog *dialog, const QString &path);

// Answers the next modal file dialog by choosing `path`, or cancels it when
// `path` is empty. The dialog's object name is recorded in seenMessages().
void answerFileDialog(const QString &path);
