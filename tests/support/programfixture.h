#pragma once
// Starts the whole program over a fresh temporary folder, as if the
// executable lay there.

#include <QString>
#include <QTemporaryDir>
#include <memory>

class TForm1;

class ProgramFixture
{
public:
    // Prepares the folder; `prepare` may put files there before the start.
    ProgramFixture();
    ~ProgramFixture();

    QString baseDir() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString &relative) const { return baseDir() + relative; }
    // Copies the placeholder picture beside the executable, as the build does.
    void addNoneJpg();

    TForm1 *start();
    void stop();
    TForm1 *form() const { return m_form; }

private:
    QTemporaryDir m_dir;
    TForm1 *m_form = nullptr;
};

// Writes raw bytes to a file, creating its folder.
void writeBytes(const QString &path, const QByteArray &bytes);
QByteArray readBytes(const QString &path);
// Windows-1251 bytes of a text written in the source as UTF-8.
QByteArray cp(const char *utf8);

// Writes a small JPEG picture of one colour.
void writeJpeg(const QString &path, int width = 64, int height = 48, unsigned rgb = 0x3060c0);

// "Файлы SP", then the listed specification file selected as a click would
// select it (without the click's handler).
void selectSpecFile(TForm1 *form, const QString &name);
