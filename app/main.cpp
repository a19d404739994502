#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
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

// The program's icon, the same as its menu entry's, in each size it is drawn in.
QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/com.quillfen.Zodarc.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quillfen.Zodarc"));
    Registry3::QtSettingsStore store;
    frmMain window(DataFolder(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), store);
    if (!window.Startup())
        return 1;
    return app.exec();
}
