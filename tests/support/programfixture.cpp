#include "programfixture.h"

#include "app/Unit1.h"
#include "app/program.h"
#include "catalog/codec.h"
#include "platform/filelistbox.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

ProgramFixture::ProgramFixture() = default;

ProgramFixture::~ProgramFixture()
{
    stop();
}

void ProgramFixture::addNoneJpg()
{
    QFile::copy(QStringLiteral(IPCAT_NONE_JPG), path("None.jpg"));
}

TForm1 *ProgramFixture::start()
{
    m_form = startProgram(path("ipcat"));
    return m_form;
}

void ProgramFixture::stop()
{
    if (m_form) {
        stopProgram();
        m_form = nullptr;
    }
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cp(const char *utf8)
{
    return cp1251::encodeForFile(QString::fromUtf8(utf8), QString());
}

void writeJpeg(const QString &path, int width, int height, unsigned rgb)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(rgb));
    image.save(path, "JPG");
}

void selectSpecFile(TForm1 *form, const QString &name)
{
    form->Sp1Click();
    const auto items = form->FileListBox1->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("%s is not listed", qPrintable(name));
    form->FileListBox1->setItemIndex(form->FileListBox1->row(items.first()));
}
