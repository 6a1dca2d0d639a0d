// The main of the tests that need Qt's plug-ins but no display (the SQL driver):
// one QCoreApplication for the whole run.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
