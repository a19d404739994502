#include <QApplication>
#include <QStandardPaths>

#include "app/frmMain.h"
#include "config/Registry3Qt.h"
#include "engine/CoreStartup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Registry3::QtSettingsStore store;
    const QString dataFolder = QString::fromStdString(
        ZDR::DataFolder(QCoreApplication::applicationDirPath().toStdString()));
    frmMain window(dataFolder,
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), store);
    if (!window.Startup())
        return 1;
    return app.exec();
}
