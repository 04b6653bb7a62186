#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

#include "app/application.h"

// gtest_discover_tests runs the binary at build time without the tests' environment, so the
// offscreen platform is chosen here when nothing else is asked for.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen").toUtf8());
    // Recovery copies of the decks the tests change go here, never to the user's own.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    QApplication app(argc, argv);
    tabula::InitResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
