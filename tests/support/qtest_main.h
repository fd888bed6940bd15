// Qt Test entry point: offscreen platform and a sandbox folder per process.
//   OLTOMA_QTEST_MAIN(TestClass)
// A test built with OLTOMA_TEST_SCREEN (oltoma_add_qtest's SCREEN) runs on
// the offscreen screens that file describes.
#pragma once

#include <QApplication>
#include <QtTest>

#include <cstdlib>

#include "sandbox.h"

#ifdef OLTOMA_TEST_SCREEN
#define OLTOMA_SET_TEST_PLATFORM() \
    ::setenv("QT_QPA_PLATFORM", "offscreen:configfile=" OLTOMA_TEST_SCREEN, 1)
#else
#define OLTOMA_SET_TEST_PLATFORM() ::setenv("QT_QPA_PLATFORM", "offscreen", 0)
#endif

#define OLTOMA_QTEST_MAIN(TestClass)                                \
    int main(int argc, char** argv) {                               \
        OLTOMA_SET_TEST_PLATFORM();                                 \
        const std::string folder = oltoma::testing::EnterSandbox(); \
        QApplication app(argc, argv);                               \
        TestClass test;                                             \
        const int result = QTest::qExec(&test, argc, argv);         \
        oltoma::testing::LeaveSandbox(folder);                      \
        return result;                                              \
    }
