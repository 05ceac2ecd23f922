#pragma once
// TForm4: the catalogue tree builder.

#include <QDialog>

class QAction;
class QFileDialog;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;
class QTreeWidgetItem;
class BuilderTreeView;

// Where the drag in progress comes from: 1 the catalogue tree, 2 the source
// tree, 0 before the first drag. Set by the drag-over test, read by the drop.
extern int DragKind;

class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    QMenuBar *MainMenu1;
    QMenu *N5; // "Файл"
    QAction *Search2;
    QAction *N2;
    QAction *N3;
    QAction *N4;
    QAction *N1;
    QAction *N7; // "Выход"
    QMenu *N6;   // "Дерево"
    QAction *N9;
    QAction *N8;
    QAction *N12;
    QMenu *N13; // "Правка"
    QAction *N16;
    QAction *N14;
    QMenu *PopupMenu1;
    QAction *N17;
    QAction *N15;
    QAction *N10;
    QAction *N11;
    QAction *N18;

    QFrame *Panel1;
    BuilderTreeView *TreeView1;
    QFrame *Panel2;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button5;
    QPushButton *Button3;
    QPushButton *Button4;
    QFrame *Panel3;
    BuilderTreeView *TreeView2;
    QFileDialog *SaveDialog1;
    QFileDialog *OpenDialog1;

public slots:
    void Search2Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N1Click();
    void N9Click();
    void N8Click();
    void N12Click();
    void N16Click();
    void N14Click();
    void N17Click();
    void N15Click();
    void N10Click();
    void N11Click();
    void N18Click();
    void Button1Click();
    void Button2Click();
    void Button5Click();
    void Button3Click();
    void Button4Click();
    // `at` is a point of TreeView1's viewport; `source` the dragging widget.
    bool TreeView1DragOver(QObject *source, const QPoint &at);
    void TreeView1DragDrop(QObject *source, const QPoint &at);
    void FormResize();
    // Asks about saving when either tree has nodes; false keeps the window open.
    bool FormClose();

    void reject() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenus();
    void buildPanels();
    void buildDialogs();
    enum class CopyWhat { Node, Children, LeafChildren };
    void copyFromSource(CopyWhat what);
    void moveNode(QTreeWidgetItem *dragged, QTreeWidgetItem *target);
    bool saveAll();
    bool catalogEmpty() const;
};

extern TForm4 *Form4;
