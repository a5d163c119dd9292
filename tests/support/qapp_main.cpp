// GoogleTest entry point for tests that need a QApplication (widgets and OpenGL).
#include "tools/keeplibrariesloaded.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    keepLibrariesLoaded();
    return result;
}
