// The host's classes need a GUI application (windows, events, timers).
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // No test here needs a display or OpenGL, and listing the tests at build
    // time must work without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
