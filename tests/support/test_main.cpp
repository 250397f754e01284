#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

// Every test program runs with a widget application on the offscreen
// platform, so window tests need no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    // Files a test forgets to place (settings, working tables) land in a
    // folder of their own, never in the source tree.
    QTemporaryDir workFolder(QDir::tempPath() + QStringLiteral("/vetdocs-tests-XXXXXX"));
    QDir::setCurrent(workFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
