#pragma once
// TForm7: the illustration editor.

#include <QColor>
#include <QDialog>
#include <QStringList>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class DrawingSurface;
class PictureView;
enum class MarkKind;

class TForm7 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    // The marks, drawn on the editor's picture or any other surface.
    void PaintPos(const QColor &color, int x1, int y1, int x2, int y2, int radius,
                  const QString &text, DrawingSurface &canvas);
    void PaintPloscost(const QColor &color, int x1, int y1, int x2, int y2, int placementCode,
                       const QString &text, DrawingSurface &canvas);
    void PaintRazrez(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                     const QString &text, DrawingSurface &canvas);
    void PaintStrelka(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                      const QString &text, DrawingSurface &canvas);
    void PaintEllipse(const QColor &color, int x, int y, double radius, DrawingSurface &canvas);
    void PaintLine(const QColor &color, int x1, int y1, int x2, int y2, const QString &text,
                   DrawingSurface &canvas);
    // Draws one annotation line in blue on the editor's picture.
    void DrawAnnotation(const QString &line);

    // The annotation lines as listed.
    QStringList annotationLines() const;
    // True when the list differs from what was last saved or loaded.
    bool hasUnsavedLines() const { return annotationLines() != m_savedLines; }

    PictureView *ImageEnVect1;
    QFrame *Panel3;
    QListWidget *ListBox2;
    QFrame *Panel1;
    QListWidget *ListBox1;
    QFrame *Panel2;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    QPushButton *BitBtn4;
    QPushButton *Button3;
    QPushButton *Button4;
    QPushButton *Button1;
    QPushButton *Button2;
    QListWidget *ListBox3;
    QMenu *PopupMenu1;
    QAction *N1;

public slots:
    void FormShow();
    void FormResize();
    void ImageEnVect1MouseDown(Qt::MouseButton button, int x, int y);
    void ImageEnVect1MouseMove(int x, int y);
    void ImageEnVect1MouseUp(Qt::MouseButton button, int x, int y);
    void ListBox1Click();
    void ListBox3Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void Button3Click();
    void Button1Click();
    void Button4Click();
    void Button2Click();
    void N1Click();

    // Closing with lines not saved asks whether to save them first.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildLayout();
    void place();
    void placeRectangleMark(MarkKind kind, QDialog *codeDialog);
    void placeLeader();
    // The picture the user names in the picker, empty when the picker was cancelled.
    QString pickPicture();
    QString askLabel(const QString &pictureName);
    void appendLine(const QString &line);
    void loadAnnotations();
    void saveAnnotations();
    void reloadPicture();
    void redrawAll(const QStringList &lines);

    QStringList m_savedLines;
};

extern TForm7 *Form7;
