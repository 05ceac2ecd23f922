// TForm11: the picture picker.
#include "Unit11.h"

#include "catalog/error.h"
#include "platform/filelistbox.h"
#include "platform/guard.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

TForm11 *Form11 = nullptr;

namespace {

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') || folder.endsWith(u'\\') ? folder : folder + u'/';
}

// The picture reduced in proportion to fit `box`, never enlarged. Decoding
// straight to the reduced size keeps a large photograph quick to preview.
QImage previewOf(const QString &path, const QSize &box)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        throw IpcatError(QStringLiteral("Не удаётся открыть изображение \"%1\": %2.")
                             .arg(QDir::toNativeSeparators(path), reader.errorString()));
    return image;
}

} // namespace

TForm11::TForm11(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Form11"));
    setFixedSize(647, 429);

    FileListBox1 = new FileListBox(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(8, 8, 241, 385);
    FileListBox1->setMask(QStringLiteral("*.Jpg"));
    connect(FileListBox1, &QListWidget::itemClicked, this, &TForm11::FileListBox1Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(255, 16, 384, 377);
    Image1->setAlignment(Qt::AlignCenter);

    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(364, 399, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(568, 400, 75, 25);
    connect(Button2, &QPushButton::clicked, this, &TForm11::Button2Click);
}

void TForm11::setFolder(const QString &folder)
{
    const QString wanted = withSeparator(folder);
    if (wanted == FileListBox1->directory()) {
        if (!QFileInfo(wanted).isDir())
            throw IpcatError(
                QStringLiteral("Папка \"%1\" не найдена.").arg(QDir::toNativeSeparators(wanted)));
        return;
    }
    FileListBox1->setDirectory(wanted);
    FileListBox1->setItemIndex(-1);
}

QString TForm11::folder() const
{
    return FileListBox1->directory();
}

int TForm11::itemIndex() const
{
    return FileListBox1->itemIndex();
}

QString TForm11::fileName() const
{
    return FileListBox1->fileName();
}

QString TForm11::filePath() const
{
    return FileListBox1->filePath();
}

void TForm11::FileListBox1Click()
{
    guarded(this, [&] {
        const QString path = FileListBox1->filePath();
        if (path.isEmpty())
            return;
        Image1->setPixmap(QPixmap::fromImage(previewOf(path, Image1->size())));
    });
}

void TForm11::Button1Click()
{
    accept();
}

void TForm11::Button2Click()
{
    FileListBox1->setItemIndex(-1);
    reject();
}
