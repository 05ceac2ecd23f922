#pragma once
// TForm1: the main window, with the catalogue tree and the specification files.

#include <QMainWindow>

class QAction;
class QFileDialog;
class QListWidget;
class QMenu;
class QPushButton;
class QToolBar;
class QTreeWidget;
class FileListBox;
class PictureView;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    static QString Renfile(const QString &text);

    QToolBar *ToolBar1;
    QWidget *Panel1;
    FileListBox *FileListBox1;
    QTreeWidget *TreeView1;
    QWidget *Panel3;
    QWidget *Panel5;
    PictureView *ImageEnVect1;
    QWidget *Panel4;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    QWidget *Panel2;
    QListWidget *ListBox1;
    QMenu *PopupMenu1;
    QAction *N9;
    QFileDialog *OpenDialog1;

public slots:
    void FormCreate();
    void N10Click();
    void Sp1Click();
    void reeDat1Click();
    void N3Click();
    void N5Click();
    void N9Click();
    void FileListBox1Click();
    void Button1Click();
    void Button4Click();
    void Button2Click();
    void Button3Click();
    void Search2Click();

private:
    void buildMenu();
    void buildToolBar();
    void buildPanels();
    // Replaces TreeView1's nodes with "Tree.dat"; a failed load keeps them.
    void loadCatalogTree();
    // Runs OpenDialog1 with a cleared file name; the chosen path, empty when cancelled.
    QString chooseFile();
    // The selected specification file's name; an error when none is selected.
    QString selectedSpecFile() const;
    // Hands the selected assembly's picture and lines over to the editor.
    void openEditor(bool editMode);
};

extern TForm1 *Form1;
