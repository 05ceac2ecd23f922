#include "builderdialogs.h"

#include "platform/textentry.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

bool askOkCancel(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    return box.exec() == QMessageBox::Ok;
}

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

QString chooseFile(QFileDialog *dialog, const QString &folder)
{
    dialog->setDirectory(folder);
    dialog->selectFile(QString());
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    return dialog->selectedFiles().value(0);
}

void setCaseBlindFilter(QFileDialog *dialog, const QString &mask)
{
    QString pattern;
    for (const QChar c : mask) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower == upper)
            pattern += c;
        else
            pattern += u'[' + QString(upper) + lower + u']';
    }
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilter(mask + QStringLiteral(" (") + pattern + u')');
}
