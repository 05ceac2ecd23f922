// TForm1: the main window, with the catalogue tree and the specification files.
#include "Unit1.h"

#include "Unit11.h"
#include "Unit8.h"
#include "builder/Unit4.h"
#include "catalog/error.h"
#include "catalog/nodetext.h"
#include "catalog/textfile.h"
#include "editor/Unit7.h"
#include "pictures.h"
#include "platform/drawingsurface.h"
#include "platform/filelistbox.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/picturebox.h"
#include "platform/pictureview.h"
#include "platform/treewidget.h"
#include "platform/workspace.h"
#include "search/Unit3.h"

#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

TForm1 *Form1 = nullptr;

namespace {

QPushButton *makeButton(const QString &name, const QString &caption, int left, int width,
                        QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, 10, width, 25);
    button->hide();
    return button;
}

QAction *addItem(QMenu *menu, const QString &name, const QString &caption, bool enabled)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    buildMenu();
    buildPanels();
    buildToolBar();
    resize(696, 686 + menuBar()->sizeHint().height());
    move(0, 0);
    FormCreate();
}

QString TForm1::Renfile(const QString &text)
{
    return ::Renfile(text);
}

void TForm1::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto addMenu = [&](const QString &name, const QString &caption) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    QMenu *file = addMenu(QStringLiteral("N1"), QStringLiteral("Файл"));
    addItem(file, QStringLiteral("N2"), QStringLiteral("Создать SP"), false);
    connect(addItem(file, QStringLiteral("N3"), QStringLiteral("Выход"), true), &QAction::triggered,
            this, &TForm1::N3Click);
    connect(addItem(file, QStringLiteral("reeDat1"), QStringLiteral("Загрузить Tree.Dat"), true),
            &QAction::triggered, this, &TForm1::reeDat1Click);

    QMenu *edit = addMenu(QStringLiteral("N4"), QStringLiteral("Редактирование"));
    connect(
        addItem(edit, QStringLiteral("N5"), QStringLiteral("Создать дерево для каталога"), true),
        &QAction::triggered, this, &TForm1::N5Click);
    addItem(edit, QStringLiteral("N6"), QStringLiteral("Создать общий файл спецификации"), false);
    addItem(edit, QStringLiteral("N7"), QStringLiteral("Добавить изображение"), false);
    addItem(edit, QStringLiteral("N8"), QStringLiteral("Добавить позиции"), false);

    QMenu *view = addMenu(QStringLiteral("N11"), QStringLiteral("Вид"));
    connect(addItem(view, QStringLiteral("N10"), QStringLiteral("Дерево"), true),
            &QAction::triggered, this, &TForm1::N10Click);
    connect(addItem(view, QStringLiteral("Sp1"), QStringLiteral("Файлы SP"), true),
            &QAction::triggered, this, &TForm1::Sp1Click);

    QMenu *upload = addMenu(QStringLiteral("Search1"), QStringLiteral("Выгрузить"));
    connect(addItem(upload, QStringLiteral("Search2"),
                    QStringLiteral("Занести в Search в дополнительные файлы спецификаций"), true),
            &QAction::triggered, this, &TForm1::Search2Click);
}

void TForm1::buildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(25);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setSpacing(0);
    // The toolbar's buttons never had a function; they stay greyed.
    for (const char *name : {"ToolButton3", "ToolButton2", "ToolButton4", "ToolButton1"}) {
        auto *button = new QToolButton(ToolBar1);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(25, 25);
        button->setEnabled(false);
        ToolBar1->addWidget(button);
    }
    addToolBar(Qt::TopToolBarArea, ToolBar1);
}

void TForm1::buildPanels()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QBoxLayout *columns = fillLayout(QBoxLayout::LeftToRight, client);

    Panel1 = makePanel(QStringLiteral("Panel1"), client);
    Panel1->setFixedWidth(241);
    QBoxLayout *left = fillLayout(QBoxLayout::TopToBottom, Panel1);
    FileListBox1 = new FileListBox(Panel1);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setMask(QStringLiteral("*.Dat"));
    FileListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FileListBox1, &QListWidget::itemClicked, this, &TForm1::FileListBox1Click);
    connect(FileListBox1, &QListWidget::currentRowChanged, this, [this] {
        // Keyboard selection shows the file as a click does.
        if (FileListBox1->hasFocus())
            FileListBox1Click();
    });
    TreeView1 = new QTreeWidget(Panel1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    setUpCatalogTreeWidget(TreeView1);
    left->addWidget(FileListBox1);
    left->addWidget(TreeView1);

    Panel3 = makePanel(QStringLiteral("Panel3"), client);
    QBoxLayout *right = fillLayout(QBoxLayout::TopToBottom, Panel3);
    Panel5 = makePanel(QStringLiteral("Panel5"), Panel3);
    ImageEnVect1 = new PictureView(Panel5);
    ImageEnVect1->setObjectName(QStringLiteral("ImageEnVect1"));
    fillLayout(QBoxLayout::TopToBottom, Panel5)->addWidget(ImageEnVect1);

    Panel4 = makePanel(QStringLiteral("Panel4"), Panel3);
    Panel4->setFixedHeight(41);
    Button2 =
        makeButton(QStringLiteral("Button2"), QStringLiteral("+ Изображение"), 17, 96, Panel4);
    Button1 = makeButton(QStringLiteral("Button1"), QStringLiteral("Проставить позиции"), 119, 122,
                         Panel4);
    Button4 =
        makeButton(QStringLiteral("Button4"), QStringLiteral("Редактировать"), 247, 105, Panel4);
    Button3 = makeButton(QStringLiteral("Button3"), QStringLiteral("+ Изображение для разделов"),
                         17, 224, Panel4);

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);

    Panel2 = makePanel(QStringLiteral("Panel2"), Panel3);
    Panel2->setFixedHeight(179);
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    fillLayout(QBoxLayout::TopToBottom, Panel2)->addWidget(ListBox1);

    right->addWidget(Panel5, 1);
    right->addWidget(Panel4);
    right->addWidget(Panel2);
    columns->addWidget(Panel1);
    columns->addWidget(Panel3, 1);
    setCentralWidget(client);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N9 = PopupMenu1->addAction(QStringLiteral("Удалить Файл"));
    N9->setObjectName(QStringLiteral("N9"));
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(FileListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        PopupMenu1->popup(FileListBox1->viewport()->mapToGlobal(at));
    });

    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
}

void TForm1::FormCreate()
{
    setWorkspacePaths(executablePath());
    const QStringList failed = createWorkspaceFolders();
    if (!failed.isEmpty()) {
        QStringList shown;
        for (const QString &folder : failed)
            shown.append(QDir::toNativeSeparators(folder));
        showError(this, QStringLiteral("Не удалось создать папки рабочего пространства:\n%1")
                            .arg(shown.join(u'\n')));
    }
    FileListBox1->hide();
    if (failed.contains(SpDir))
        return; // already reported; the tree is not loaded without a workspace
    guarded(this, [&] {
        FileListBox1->setDirectory(SpDir);
        if (QFileInfo::exists(BaseDir + QStringLiteral("Tree.dat")))
            loadCatalogTree();
    });
}

void TForm1::loadCatalogTree()
{
    loadTreeWidget(TreeView1, BaseDir + QStringLiteral("Tree.dat"));
}

void TForm1::N10Click()
{
    TreeView1->show();
    // The view switch completes even when the file fails to load, so that
    // exactly one of the two views is ever shown.
    guarded(this, [&] {
        if (QFileInfo::exists(BaseDir + QStringLiteral("Tree.dat")))
            loadCatalogTree();
        else
            TreeView1->clear();
    });
    FileListBox1->hide();
    Button1->hide();
    Button2->hide();
    Button4->hide();
    Button3->show();
}

void TForm1::Sp1Click()
{
    TreeView1->hide();
    FileListBox1->show();
    // Pointing the list at the folder again re-reads it and names the folder
    // when it has gone missing.
    guarded(this, [&] { FileListBox1->setDirectory(SpDir); });
    Button1->show();
    Button2->show();
    Button4->show();
    Button3->hide();
}

void TForm1::reeDat1Click()
{
    guarded(this, [&] { loadCatalogTree(); });
}

void TForm1::N3Click()
{
    close();
}

void TForm1::N5Click()
{
    guarded(this, [&] { Form4->exec(); });
}

void TForm1::N9Click()
{
    guarded(this, [&] {
        const QString name = FileListBox1->fileName();
        if (name.isEmpty())
            return;
        const QString path = SpDir + name;
        QMessageBox question(QMessageBox::NoIcon, QStringLiteral("УДАЛИТЬ?"),
                             QStringLiteral("Удалить Файл ") + path,
                             QMessageBox::Yes | QMessageBox::No);
        if (question.exec() != QMessageBox::Yes)
            return;
        const bool removed = QFile::remove(path);
        FileListBox1->update();
        if (!removed && QFileInfo::exists(path))
            throw IpcatError(QStringLiteral("Не удалось удалить файл \"%1\".").arg(path));
    });
}

QString TForm1::chooseFile()
{
    OpenDialog1->selectFile(QString());
    if (OpenDialog1->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = OpenDialog1->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

void TForm1::Button3Click()
{
    guarded(this, [&] {
        const QTreeWidgetItem *node = TreeView1->currentItem();
        if (!node || !node->isSelected() || node->childCount() == 0)
            return;
        const QString source = chooseFile();
        if (source.isEmpty())
            return;
        copyPicture(source, PicDir + Renfile(node->text(0) + QStringLiteral(".Jpg")));
    });
}

QString TForm1::selectedSpecFile() const
{
    const QString name = FileListBox1->fileName();
    if (name.isEmpty())
        throw IpcatError(
            QStringLiteral("Сначала выберите файл спецификации в списке \"Файлы SP\"."));
    return name;
}

void TForm1::Button2Click()
{
    guarded(this, [&] {
        const QString stem = editorStem(selectedSpecFile());
        const QString source = chooseFile();
        if (source.isEmpty())
            return;
        Form8->Image1->loadFile(source);
        Form8->exec();
        const QString folder = pictureFolder(PicDir, stem);
        const QString target = folder + pictureName(stem, Form8->suffix());
        if (!makeFolder(folder))
            throw IpcatError(QStringLiteral("Не удалось создать папку \"%1\".")
                                 .arg(QDir::toNativeSeparators(folder)));
        copyPicture(source, target);
    });
}

void TForm1::Search2Click()
{
    guarded(this, [&] {
        Form3->setLists({});
        Form3->setLists(collectExportFiles(selectedSpecFile(), SpDir, PicDir, DataDir));
        Form3->exec();
    });
}

void TForm1::FileListBox1Click()
{
    guarded(this, [&] {
        if (FileListBox1->itemIndex() < 0)
            return;
        const QString stem = browserStem(FileListBox1->fileName());
        const QStringList lines = readTextLines(FileListBox1->filePath());
        ListBox1->clear();
        ListBox1->addItems(lines);
        const QString folder = PicDir + stem + QLatin1Char('/');
        const QString general =
            isFolderStem(stem) ? findFileNoCase(folder, stem + QStringLiteral("_Общий вид.Jpg"))
                               : QString();
        if (general.isEmpty()) {
            ImageEnVect1->loadFile(BaseDir + QStringLiteral("None.jpg"));
            return;
        }
        ImageEnVect1->loadFile(folder + general);
        // Written into the picture held in memory only; no file changes.
        DrawingSurface &canvas = ImageEnVect1->canvas();
        canvas.setFontHeight(40);
        canvas.setFontColor(Qt::black);
        canvas.setBrushColor(Qt::white);
        canvas.text(10, 10, QStringLiteral("Общий вид"));
        ImageEnVect1->showDrawing();
        ImageEnVect1->fit();
    });
}

void TForm1::Button1Click()
{
    openEditor(false);
}

void TForm1::Button4Click()
{
    openEditor(true);
}

void TForm1::openEditor(bool editMode)
{
    guarded(this, [&] {
        const QString folder = pictureFolder(PicDir, editorStem(selectedSpecFile()));
        Form11->setFolder(folder);
        Form11->setWindowTitle(QDir::toNativeSeparators(folder));
        Form11->exec();
        if (Form11->itemIndex() < 0)
            return;
        Form7->ImageEnVect1->removeAllObjects();
        Form7->ImageEnVect1->loadFile(Form11->filePath());
        Form7->ListBox1->clear();
        Form7->ListBox2->clear();
        Form7->ListBox3->clear();
        if (ListBox1->count() == 0)
            return;
        for (int i = 0; i < ListBox1->count(); ++i) {
            const QString line = ListBox1->item(i)->text();
            Form7->ListBox3->addItem(line);
            Form7->ListBox1->addItem(NodeField(line, 1));
        }
        // EditMode is 1 only while the editor is open, whatever ends it.
        struct EditModeScope {
            explicit EditModeScope(bool on) { EditMode = on ? 1 : 0; }
            ~EditModeScope() { EditMode = 0; }
        } scope(editMode);
        Form7->exec();
    });
}
