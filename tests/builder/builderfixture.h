#pragma once
// Drives the tree builder of a running program: trees from text, trees as
// text, and answers to its dialogs.

#include "builder/Unit4.h"
#include "builder/buildertreeview.h"
#include "builder/treeitems.h"
#include "catalog/codec.h"
#include "catalog/treefile.h"
#include "modal.h"
#include "platform/treewidget.h"
#include "programfixture.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

// A tree written as lines, one TAB per level: "R\n\tA\n\t\tA1\n\tB".
inline void setTree(QTreeWidget *tree, const char *lines)
{
    fillTreeWidget(tree, parseTreeBytes(cp(lines)));
}

// The tree as one line: R(A(A1),B).
inline QString shape(const QTreeWidgetItem *item)
{
    QString text = item->text(0);
    if (item->childCount() == 0)
        return text;
    QStringList children;
    for (int i = 0; i < item->childCount(); ++i)
        children.append(shape(item->child(i)));
    return text + u'(' + children.join(u',') + u')';
}

inline QString shape(const QTreeWidget *tree)
{
    QStringList top;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        top.append(shape(tree->topLevelItem(i)));
    return top.join(u',');
}

// The node found by its text, first in pre-order.
inline QTreeWidgetItem *node(QTreeWidget *tree, const QString &text)
{
    const QList<QTreeWidgetItem *> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        qFatal("no node %s", qPrintable(text));
    return found.first();
}

inline void select(QTreeWidget *tree, const QString &text)
{
    tree->setCurrentItem(node(tree, text));
}

// The point of a node in the view's viewport; the view must be shown.
inline QPoint pointOf(QTreeWidget *tree, const QString &text)
{
    QTreeWidgetItem *item = node(tree, text);
    tree->scrollToItem(item);
    return tree->visualItemRect(item).center();
}

struct Builder {
    ProgramFixture program;
    TForm4 *form = nullptr;

    Builder()
    {
        program.start();
        form = Form4;
    }
    ~Builder()
    {
        clearModalAnswers();
        if (form->isVisible())
            form->hide();
    }
    QTreeWidget *catalog() const { return form->TreeView1; }
    QTreeWidget *source() const { return form->TreeView2; }
    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        catalog()->expandAll();
        source()->expandAll();
    }
};

// Answers the next input box; `seen` gets its caption, prompt and default.
inline void answerInput(const QString &text, bool ok = true, QStringList *seen = nullptr)
{
    answerNextModal([=](QWidget *widget) {
        auto *box = qobject_cast<QInputDialog *>(widget);
        if (!box) {
            widget->close();
            return;
        }
        if (seen)
            *seen = {box->windowTitle(), box->labelText(), box->textValue()};
        if (!ok) {
            box->reject();
            return;
        }
        box->setTextValue(text);
        box->accept();
    });
}

// Answers the next file dialog with a path, or cancels it when the path is
// empty; `seen` gets the dialog's name and folder.
inline void answerFile(const QString &path, QStringList *seen = nullptr)
{
    answerNextModal([=](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog) {
            widget->close();
            return;
        }
        if (seen)
            *seen = {dialog->objectName(), dialog->directory().absolutePath() + u'/'};
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        typeFileName(dialog, path);
        static_cast<QDialog *>(dialog)->accept(); // as the OK button does
    });
}
