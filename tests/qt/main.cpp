// The Qt tests need the program's application object before the first
// test; they run on the offscreen platform unless the caller chose another.
#include <gtest/gtest.h>

#include "qt/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ondalab::qt::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
