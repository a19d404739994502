#include "app/frmMain.h"

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Zodarc " ZODARC_VERSION));
}
