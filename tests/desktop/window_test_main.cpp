// One QApplication for every window test, with the program's own look. Listing the tests
// needs no display, so no application is made for that.
#include <gtest/gtest.h>

#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication app(argc, argv);
    quorvel::use_program_look();
    return RUN_ALL_TESTS();
}
