#include <gtest/gtest.h>

#include <QApplication>

// Every test program runs with a widget application on the offscreen
// platform, so window tests need no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
