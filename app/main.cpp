#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include "app/frmMain.h"
#include "config/Registry3Qt.h"
#include "engine/CoreStartup.h"

namespace {

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
    const QString dataFolder = QString::fromStdString(
        ZDR::DataFolder(QCoreApplication::applicationDirPath().toStdString()));
    frmMain window(dataFolder,
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), store);
    if (!window.Startup())
        return 1;
    return app.exec();
}
