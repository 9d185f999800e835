#include "app/BuildInfo.h"
#include "app/ProductionServices.h"
#include "app/TApplication.h"
#include "app/TForm1.h"
#include "platform/TerminationSignals.h"

#include <QMessageBox>
#include <exception>

int main(int argc, char** argv) {
    using namespace corvanta;
    TApplication app(argc, argv);
    TApplication::setQuitOnLastWindowClosed(false); // it lives in the tray
    TApplication::setApplicationName(ProgramTitle);
    try {
        ProductionServices production;
        TForm1 mainWindow(production.services());
        // Log-off, shutdown and termination signals end through the normal shutdown. exit()
        // rather than quit(): quit() asks the windows to close, and the main window refuses.
        TerminationSignals terminationSignals([](int) { TApplication::exit(0); });
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainWindow,
                         [] { TApplication::exit(0); });
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &mainWindow,
                         [&mainWindow] { mainWindow.FormDestroy(); });
        mainWindow.FormCreate();
        return TApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, ProgramTitle, QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
