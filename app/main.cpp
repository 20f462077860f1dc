// mavik: the desktop program. The settings store comes first (it holds the single-instance
// lock), then the definition readers, the event manager and the main controller.
#include "cmcEvMan.h"
#include "cmcFatal.h"
#include "cmcGTex.h"
#include "cmcHelpGTex.h"
#include "cmcPrompt.h"
#include "cuiWidgetPrompt.h"
#include "indEnviron.h"
#include "indMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// Defects of the built-in data are shown before the program ends.
void showFatal(const QByteArray& text) {
    QMessageBox::critical(QApplication::activeWindow(),
                          cmcGTex::app().display(cmcGTex::app().GetText("GI_Sys_AppTitle")),
                          cmcGTex::app().display(text));
}

QRect workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The window belongs to the desktop entry of the same name.
    QGuiApplication::setDesktopFileName("mavik");
    static_assert(indDocument::ImageSize >= 0x9130, "the image holds the whole memory map");
    indEnviron settings(indEnviron::standardPlaces(), application.arguments(), workArea().size());
    if (!settings.allowedToRun())
        return 0;
    QTranslator toolkit;
    if (settings.language == 1) {
        cmcGTex::chooseEdition(cmcGTex::Japanese);
        // The definitions' default face follows the language of the edition.
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        // Qt's own dialogs and buttons (file and print dialogs, Yes and No) speak it too.
        if (toolkit.load(QLocale(), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&toolkit);
    }
    cmcGTex& table = cmcGTex::app();
    cmcHelpGTex::app();
    cmcEvMan events;
    cmcFatal::setHandler(showFatal);
    cuiWidgetPrompt prompt(nullptr);
    cmcPrompt::install(&prompt);
    indMain window(settings, events, prompt, table);
    prompt.setOwner(&window);
    window.startUp();
    window.setGeometry(settings.windowBounds(workArea()));
    window.showAtStart();
    window.openAtStart(indMain::filesOf(application.arguments()));
    // For the start-up benchmark: the main window painted once, then the mark.
    if (qEnvironmentVariableIsSet("MAVIK_REPORT_FIRST_PAINT") && window.isVisible())
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            std::fputs("first-paint\n", stderr);
        });
    const int status = application.exec();
    cmcPrompt::install(nullptr);
    return status;
}
