#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/frmMain.h"
#include "config/Registry3Qt.h"

namespace {

// The folder of zdr.dat, pluto.slx and the ephemeris files: beside the executable, or
// <prefix>/share/zodarc for an installed program.
QString DataFolder() {
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(beside + "/zdr.dat"))
        return beside;
    const QString installed = QDir::cleanPath(beside + "/../share/zodarc");
    if (QFileInfo::exists(installed + "/zdr.dat"))
        return installed;
    return beside;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Registry3::QtSettingsStore store;
    frmMain window(DataFolder(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), store);
    if (!window.Startup())
        return 1;
    return app.exec();
}
