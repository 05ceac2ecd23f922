// TForm7: the illustration editor.
#include "Unit7.h"

#include "Unit10.h"
#include "Unit9.h"
#include "annotation.h"
#include "app/Unit11.h"
#include "catalog/error.h"
#include "catalog/textfile.h"
#include "editorstate.h"
#include "marks.h"
#include "names.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/pictureview.h"
#include "platform/textentry.h"
#include "platform/workspace.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <cmath>

TForm7 *Form7 = nullptr;

namespace {

QListWidget *makeList(const QString &name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// The selected item's text; empty, and false, when nothing is selected.
bool selectedText(const QListWidget *list, QString *text)
{
    const QListWidgetItem *item = list->currentItem();
    if (!item || !item->isSelected())
        return false;
    *text = item->text();
    return true;
}

QString pointText(QPoint point)
{
    return QString::number(point.x()) + u'*' + QString::number(point.y());
}

// The buttons sit at fixed places of the bottom panel, which begins left of
// the small panel they belong to by the width of ListBox1.
constexpr int ButtonPanelLeft = 447;

} // namespace

TForm7::TForm7(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Form7"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    resize(795, 618);
    buildLayout();
    setWindowState(Qt::WindowMaximized);
}

void TForm7::buildLayout()
{
    QBoxLayout *rows = fillLayout(QBoxLayout::TopToBottom, this);
    auto *upper = new QWidget(this);
    QBoxLayout *upperRow = fillLayout(QBoxLayout::LeftToRight, upper);
    ImageEnVect1 = new PictureView(upper);
    ImageEnVect1->setObjectName(QStringLiteral("ImageEnVect1"));
    Panel3 = makePanel(QStringLiteral("Panel3"), upper);
    Panel3->setFixedWidth(341);
    ListBox2 = makeList(QStringLiteral("ListBox2"), Panel3);
    // Files of thousands of lines, or one very long line, stay quick to list.
    ListBox2->setUniformItemSizes(true);
    ListBox2->setContextMenuPolicy(Qt::CustomContextMenu);
    fillLayout(QBoxLayout::TopToBottom, Panel3)->addWidget(ListBox2);
    upperRow->addWidget(ImageEnVect1, 1);
    upperRow->addWidget(Panel3);

    Panel1 = makePanel(QStringLiteral("Panel1"), this);
    Panel1->setFixedHeight(138);
    QBoxLayout *bottom = fillLayout(QBoxLayout::LeftToRight, Panel1);
    ListBox1 = makeList(QStringLiteral("ListBox1"), Panel1);
    ListBox1->setFixedWidth(447);
    ListBox3 = makeList(QStringLiteral("ListBox3"), Panel1);
    ListBox3->setFixedWidth(340);
    Panel2 = makePanel(QStringLiteral("Panel2"), Panel1);
    bottom->addWidget(ListBox1);
    bottom->addWidget(Panel2, 1);
    bottom->addWidget(ListBox3);
    Label1 = new QLabel(Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(6, 67);
    Label1->resize(400, 16);
    const auto button = [&](const char *name, const QString &caption, int x, int y, int width) {
        auto *b = new QPushButton(caption, Panel2);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x - ButtonPanelLeft, y, width, 25);
        b->setAutoDefault(false);
        return b;
    };
    BitBtn1 = button("BitBtn1", QStringLiteral("Плоскость"), 454, 6, 75);
    BitBtn2 = button("BitBtn2", QStringLiteral("Разрез"), 535, 6, 75);
    BitBtn3 = button("BitBtn3", QStringLiteral("Стрелка"), 616, 6, 75);
    BitBtn4 = button("BitBtn4", QStringLiteral("Круг"), 454, 37, 75);
    Button3 = button("Button3", QStringLiteral("Курсор"), 535, 37, 75);
    Button4 = button("Button4", QStringLiteral("Сохранить файл"), 464, 104, 90);
    Button1 = button("Button1", QStringLiteral("Загрузить"), 560, 104, 75);
    Button2 = button("Button2", QStringLiteral("Закрыть"), 641, 104, 72);
    rows->addWidget(upper, 1);
    rows->addWidget(Panel1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("Удалить"));
    N1->setObjectName(QStringLiteral("N1"));
    connect(ImageEnVect1, &PictureView::mouseDown, this, &TForm7::ImageEnVect1MouseDown);
    connect(ImageEnVect1, &PictureView::mouseMove, this, &TForm7::ImageEnVect1MouseMove);
    connect(ImageEnVect1, &PictureView::mouseUp, this, &TForm7::ImageEnVect1MouseUp);
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm7::ListBox1Click);
    connect(ListBox3, &QListWidget::itemClicked, this, &TForm7::ListBox3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm7::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm7::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm7::BitBtn4Click);
    connect(Button3, &QPushButton::clicked, this, &TForm7::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm7::Button4Click);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm7::Button2Click);
    connect(N1, &QAction::triggered, this, &TForm7::N1Click);
    connect(ListBox2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(ListBox2->viewport()->mapToGlobal(at)); });
}

void TForm7::PaintPos(const QColor &color, int x1, int y1, int x2, int y2, int radius,
                      const QString &text, DrawingSurface &canvas)
{
    ::PaintPos(color, x1, y1, x2, y2, radius, text, canvas);
}

void TForm7::PaintPloscost(const QColor &color, int x1, int y1, int x2, int y2, int placementCode,
                           const QString &text, DrawingSurface &canvas)
{
    ::PaintPloscost(color, x1, y1, x2, y2, placementCode, text, canvas);
}

void TForm7::PaintRazrez(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                         const QString &text, DrawingSurface &canvas)
{
    ::PaintRazrez(color, x1, y1, x2, y2, directionCode, text, canvas);
}

void TForm7::PaintStrelka(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                          const QString &text, DrawingSurface &canvas)
{
    ::PaintStrelka(color, x1, y1, x2, y2, directionCode, text, canvas);
}

void TForm7::PaintEllipse(const QColor &color, int x, int y, double radius, DrawingSurface &canvas)
{
    ::PaintEllipse(color, x, y, radius, canvas);
}

void TForm7::PaintLine(const QColor &color, int x1, int y1, int x2, int y2, const QString &text,
                       DrawingSurface &canvas)
{
    ::PaintLine(color, x1, y1, x2, y2, text, canvas);
}

void TForm7::DrawAnnotation(const QString &line)
{
    ::DrawAnnotation(line, ImageEnVect1->canvas());
}

QStringList TForm7::annotationLines() const
{
    QStringList lines;
    lines.reserve(ListBox2->count());
    for (int i = 0; i < ListBox2->count(); ++i)
        lines.append(ListBox2->item(i)->text());
    return lines;
}

void TForm7::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm7::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TForm7::FormShow()
{
    editorState.armedTool = PlacementTool::None;
    const QString path = ImageEnVect1->fileName();
    setWindowTitle(path);
    const QString name = fileNamePart(path);
    Label1->setText(annotationStem(name));
    ImageEnVect1->fitWidth();
    PictureText title;
    title.text = pictureTitle(name);
    title.color = QColor(255, 0, 0);
    title.height = 40;
    title.width = 250;
    title.top = 20;
    title.left = ImageEnVect1->pictureWidth() / 2 - 125;
    ImageEnVect1->addText(title);
    m_savedLines = annotationLines();
    if (EditMode == 1)
        guarded(this, [&] { loadAnnotations(); });
}

void TForm7::FormResize()
{
    ImageEnVect1->fitWidth();
}

void TForm7::ImageEnVect1MouseDown(Qt::MouseButton, int x, int y)
{
    editorState.pressPoint =
        QPoint(ImageEnVect1->mouseToPictureX(x), ImageEnVect1->mouseToPictureY(y));
    ImageEnVect1->canvas().setPenWidth(3);
    if (editorState.armedTool == PlacementTool::Circle)
        editorState.circleRadius = 0;
}

void TForm7::ImageEnVect1MouseMove(int x, int y)
{
    editorState.currentPoint =
        QPoint(ImageEnVect1->mouseToPictureX(x), ImageEnVect1->mouseToPictureY(y));
    if (editorState.armedTool == PlacementTool::Circle) {
        const QPoint d = editorState.currentPoint - editorState.pressPoint;
        editorState.circleRadius = std::hypot(double(d.x()), double(d.y()));
    }
}

void TForm7::ImageEnVect1MouseUp(Qt::MouseButton, int x, int y)
{
    editorState.currentPoint =
        QPoint(ImageEnVect1->mouseToPictureX(x), ImageEnVect1->mouseToPictureY(y));
    guarded(this, [&] { place(); });
    // Each armed tool serves one placement, whether or not it went through.
    editorState.armedTool = PlacementTool::None;
}

void TForm7::place()
{
    EditorState &s = editorState;
    const PlacementTool tool = s.armedTool;
    if (tool != PlacementTool::Callout && tool != PlacementTool::Circle && !s.leaderPending) {
        QPoint &a = s.pressPoint, &b = s.currentPoint;
        if (a.x() > b.x()) {
            const int x = a.x();
            a.setX(b.x());
            b.setX(x);
        }
        if (a.y() > b.y()) {
            const int y = a.y();
            a.setY(b.y());
            b.setY(y);
        }
    }
    QString label;
    if (tool == PlacementTool::Callout && selectedText(ListBox1, &label)) {
        Annotation mark;
        mark.fields = {s.pressPoint.x(), s.pressPoint.y(), s.currentPoint.x(), s.currentPoint.y()};
        mark.label = label;
        const QString line = writeAnnotationLine(mark);
        PaintPos(markcolors::Callout, s.pressPoint.x(), s.pressPoint.y(), s.currentPoint.x(),
                 s.currentPoint.y(), 10, label, ImageEnVect1->canvas());
        appendLine(line);
    }
    if (tool == PlacementTool::Plane)
        placeRectangleMark(MarkKind::Plane, Form10);
    if (tool == PlacementTool::Section)
        placeRectangleMark(MarkKind::Section, Form9);
    if (tool == PlacementTool::Arrow)
        placeRectangleMark(MarkKind::Arrow, Form9);
    if (s.leaderPending)
        placeLeader();
    if (tool == PlacementTool::Circle) {
        PaintEllipse(markcolors::Circle, s.pressPoint.x(), s.pressPoint.y(), s.circleRadius,
                     ImageEnVect1->canvas());
        ImageEnVect1->showDrawing();
        s.pendingCircleText =
            pointText(s.pressPoint) + u'*' + QString::number(qint64(std::trunc(s.circleRadius)));
        s.leaderPending = true;
        s.leaderStart = s.currentPoint;
    }
}

void TForm7::placeRectangleMark(MarkKind kind, QDialog *codeDialog)
{
    EditorState &s = editorState;
    codeDialog->exec();
    const QString picture = pickPicture();
    if (picture.isEmpty())
        return;
    Annotation mark;
    mark.kind = kind;
    const int code = kind == MarkKind::Plane ? s.placementCode : s.directionCode;
    mark.fields = {s.pressPoint.x(), s.pressPoint.y(), s.currentPoint.x(), s.currentPoint.y(),
                   code};
    mark.label = askLabel(picture);
    mark.picture = picture;
    const QString line = writeAnnotationLine(mark);
    DrawingSurface &canvas = ImageEnVect1->canvas();
    const int x1 = s.pressPoint.x(), y1 = s.pressPoint.y();
    const int x2 = s.currentPoint.x(), y2 = s.currentPoint.y();
    if (kind == MarkKind::Plane)
        PaintPloscost(markcolors::Plane, x1, y1, x2, y2, code, mark.label, canvas);
    else if (kind == MarkKind::Section)
        PaintRazrez(markcolors::Section, x1, y1, x2, y2, code, mark.label, canvas);
    else
        PaintStrelka(markcolors::Arrow, x1, y1, x2, y2, code, mark.label, canvas);
    appendLine(line);
}

void TForm7::placeLeader()
{
    EditorState &s = editorState;
    const QString picture = pickPicture();
    if (picture.isEmpty())
        return;
    const QString label = askLabel(picture);
    const QString line =
        circleAnnotationLine(s.pendingCircleText, s.leaderStart.x(), s.leaderStart.y(),
                             s.currentPoint.x(), s.currentPoint.y(), label, picture);
    PaintLine(markcolors::Circle, s.leaderStart.x(), s.leaderStart.y(), s.currentPoint.x(),
              s.currentPoint.y(), label, ImageEnVect1->canvas());
    s.leaderPending = false;
    appendLine(line);
}

QString TForm7::pickPicture()
{
    Form11->exec();
    return Form11->itemIndex() < 0 ? QString() : fileNamePart(Form11->filePath());
}

QString TForm7::askLabel(const QString &pictureName)
{
    return askText(this, QStringLiteral("ВВОД"), QStringLiteral("Введите вид или разрез"),
                   defaultMarkLabel(pictureName));
}

void TForm7::appendLine(const QString &line)
{
    ListBox2->addItem(line);
    ImageEnVect1->showDrawing();
}

void TForm7::ListBox1Click()
{
    editorState.armedTool = PlacementTool::Callout;
}

void TForm7::ListBox3Click()
{
    QString line;
    if (!selectedText(ListBox3, &line))
        return;
    const QString position = line.left(line.indexOf(u'|') < 0 ? line.size() : line.indexOf(u'|'));
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->text() == position) {
            ListBox1->setCurrentRow(i);
            editorState.armedTool = PlacementTool::Callout;
        }
    }
}

void TForm7::BitBtn1Click()
{
    editorState.armedTool = PlacementTool::Plane;
}

void TForm7::BitBtn2Click()
{
    editorState.armedTool = PlacementTool::Section;
}

void TForm7::BitBtn3Click()
{
    editorState.armedTool = PlacementTool::Arrow;
}

void TForm7::BitBtn4Click()
{
    editorState.armedTool = PlacementTool::Circle;
}

void TForm7::Button3Click()
{
    editorState.armedTool = PlacementTool::None;
}

void TForm7::Button1Click()
{
    guarded(this, [&] { loadAnnotations(); });
}

void TForm7::Button4Click()
{
    guarded(this, [&] {
        saveAnnotations();
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                        QStringLiteral("Сохранено!!!!"), QMessageBox::Ok, this);
        box.exec();
    });
}

void TForm7::Button2Click()
{
    close();
}

void TForm7::N1Click()
{
    guarded(this, [&] {
        const int row = ListBox2->currentRow();
        if (ListBox2->count() == 0 || row < 0 || !ListBox2->item(row)->isSelected())
            return;
        // The picture is read before the line goes, so a picture that can no
        // longer be read leaves the list as it was.
        reloadPicture();
        delete ListBox2->takeItem(row);
        redrawAll(annotationLines());
    });
}

void TForm7::reject()
{
    if (isVisible() && hasUnsavedLines()) {
        QMessageBox box(QMessageBox::Question, windowTitle(),
                        QStringLiteral("Сохранить изменения?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        switch (box.exec()) {
        case QMessageBox::Yes:
            if (!guarded(this, [&] { saveAnnotations(); }))
                return;
            break;
        case QMessageBox::No:
            break;
        default:
            return;
        }
    }
    QDialog::reject();
}

void TForm7::loadAnnotations()
{
    const QString found = findAnnotationFile(DataDir, fileNamePart(windowTitle()));
    if (found.isEmpty())
        return;
    // Both files are read before anything changes, so a failure leaves the
    // list and the picture as they were.
    const QStringList lines = readTextLines(found);
    reloadPicture();
    ListBox2->clear();
    ListBox2->addItems(lines);
    m_savedLines = lines;
    redrawAll(lines);
}

void TForm7::saveAnnotations()
{
    const QString stem = Label1->text();
    if (stem.isEmpty())
        throw IpcatError(QStringLiteral("Изображение не загружено: файл разметки не назван."));
    const QStringList lines = annotationLines();
    writeTextLines(annotationSavePath(DataDir, stem), lines);
    m_savedLines = lines;
}

void TForm7::reloadPicture()
{
    ImageEnVect1->loadFile(windowTitle());
}

void TForm7::redrawAll(const QStringList &lines)
{
    // What was drawn before a bad line stops the redraw is shown all the same.
    struct ShowAtEnd {
        PictureView *view;
        ~ShowAtEnd() { view->showDrawing(); }
    } show{ImageEnVect1};
    for (const QString &line : lines)
        DrawAnnotation(line);
}
