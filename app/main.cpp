#include "core/Globals.h"
#include "core/modDatabase.h"
#include "core/modPreferences.h"
#include "mainwindow/frmMain.h"
#include "platform/Dialogs.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Runvella");
    try {
        platform::install::ensureDataFolder();
        gDbPath = platform::paths::databasePath();
        gConn.open(gDbPath);
        modDatabase::UpgradeDatabaseSchema();
        modPreferences::LoadPreferences();
    } catch (const std::exception &error) {
        platform::dialogs::message(QString::fromUtf8(error.what()), "Runvella", platform::dialogs::Icon::Critical);
        return 1;
    }
    frmMain window;
    gMainForm = &window;
    window.show();
    return app.exec();
}
