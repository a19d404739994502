// Runs the window tests inside one QApplication on the offscreen platform with a laptop's
// screen, in a fixed environment.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <clocale>

#include "tests/TestEnvironment.h"

int main(int argc, char* argv[]) {
    FixTestEnvironment();
    // One screen of 1280 x 720 pixels at 96 dots an inch, the commonest laptop screen.
    const QString config = QDir::temp().filePath(
        QStringLiteral("zodarc-offscreen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280,
                      "height": 720, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    QFile::remove(config);
    std::setlocale(LC_ALL, "C");  // QApplication takes the locale of the environment
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
