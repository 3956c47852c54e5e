// Window tests run offscreen with the program's own application settings.
#include "app/ui/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", TESSARA_TEST_PLATFORM);
    QApplication app(argc, argv);
    Application::configure(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
