#include "program.h"

#include "Unit1.h"
#include "Unit11.h"
#include "Unit8.h"
#include "builder/Unit4.h"
#include "builder/Unit5.h"
#include "builder/Unit6.h"
#include "editor/Unit10.h"
#include "editor/Unit7.h"
#include "editor/Unit9.h"
#include "editor/editorstate.h"
#include "platform/workspace.h"
#include "search/Unit3.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpApplicationLook()
{
    // Tahoma at 11 pixels; where it is missing Qt's font matching picks the
    // platform's nearest sans-serif face.
#ifndef _WIN32
    // Debian's Wine fonts carry a free Tahoma, Cyrillic included; with it the
    // captions fit the widths the windows were laid out for.
    static const bool added = [] {
        const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
        return QFontInfo(QFont(QStringLiteral("Tahoma"))).family() == QStringLiteral("Tahoma") ||
               (QFile::exists(tahoma) && QFontDatabase::addApplicationFont(tahoma) >= 0);
    }();
    Q_UNUSED(added);
#endif
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // Qt's own dialogs and buttons speak Russian like the rest of the program.
    static QTranslator *translator = [] {
        auto *qtTexts = new QTranslator(qApp);
        if (qtTexts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts);
        return qtTexts;
    }();
    Q_UNUSED(translator);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

TForm1 *startProgram(const QString &executablePath)
{
    setUpApplicationLook();
    setExecutablePath(executablePath);
    Form1 = new TForm1();
    Form3 = new TForm3(Form1);
    Form4 = new TForm4(Form1);
    Form5 = new TForm5(Form1);
    Form6 = new TForm6(Form1);
    Form7 = new TForm7(Form1);
    Form8 = new TForm8(Form1);
    Form9 = new TForm9(Form1);
    Form10 = new TForm10(Form1);
    Form11 = new TForm11(Form1);
    Form1->show();
    return Form1;
}

namespace {

template <typename Form> void destroy(Form *&form)
{
    delete form;
    form = nullptr;
}

} // namespace

void stopProgram()
{
    destroy(Form11);
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form7);
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(Form1);
    resetWorkspaceState();
    DragKind = 0;
    SectionTyped = 0;
    resetEditorState();
}
