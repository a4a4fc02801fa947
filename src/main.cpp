// The program's entry point: one instance per user, the command line, the debug log, the
// program's identity (which places its settings), the interface language, the consent to the
// terms on the first start, then the main window and the event loop.

#include <QCoreApplication>
#include <QFont>
#include <QSettings>
#include <QTranslator>

#include "CVorkDialogLicense.h"
#include "CVorkGlobalSettings.h"
#include "CVorkSingleApplication.h"
#include "CVorkWindowMain.h"
#include "StringTable.h"
#include "VorkStartup.h"
#include "fhost.h"
#include "platforms.h"

namespace {

const char *const DEBUG_SOURCE = "src/main";

} // namespace

int main(int argc, char *argv[])
{
    // The embedded resources (translation catalogues, images, terms pages) are linked in as
    // object files and register themselves before main runs.

    // Qt's own options (-platform, -display, ...) are taken out of argv here, before the
    // program's options are read.
    CVorkSingleApplication app(argc, argv, true);
    QTranslator *translator = new QTranslator;

    if (app.sendMessage(QStringLiteral("Wake up!"), 5000)) {
        delete translator;
        return 0;
    }

    // Qt 5 reads the sources of translated texts as UTF-8 already: no codec to set.

    parseStartupOptions(argc, argv);
    if (gblDebug)
        startDebugLog();

    qDebug("%s:%d %s=[%s] ", DEBUG_SOURCE, __LINE__,
           "CVorkGlobalSettings::getVersion().toLocal8Bit().constData()",
           CVorkGlobalSettings::getVersion().toLocal8Bit().constData());

    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quenlori.com"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));

    // Lives to the end of the process.
    CVorkGlobalSettings *globalSettings = new CVorkGlobalSettings;

    translator->load(globalSettings->getTranslatorPath());
    if (!translator->isEmpty())
        QCoreApplication::installTranslator(translator);
    initStringTable();

    if (gblFont || gnFontSize != 0)
        QApplication::setFont(globalSettings->getLanguageFont(gblFont, gnFontSize));

    QSettings *settings = new QSettings;
    if (!settings->value(QStringLiteral("Global/AgreeEULA"), false).toBool()) {
        CVorkDialogLicense *license = new CVorkDialogLicense;
        license->show();
        app.setActivationWindow(license, true);
        if (license->exec() == 0) {
            delete translator;
            return -1;
        }
        settings->setValue(QStringLiteral("Global/AgreeEULA"), true);
        settings->sync();
    }

    CVorkWindowMain *mainWindow = new CVorkWindowMain;
    mainWindow->show();
    app.setActivationWindow(mainWindow, true);
    QObject::connect(&app, &CVorkSingleApplication::messageReceived, mainWindow,
                     &CVorkWindowMain::slotShowMainWindow);

    FHOSTIfaceDump(gpFHOSTLogCtx);

    const int exitCode = app.exec();

    // The discovery thread must not be listening (or logging) while the application object
    // goes away.
    mainWindow->stopUdpThread();

    delete translator;
    return exitCode;
}
