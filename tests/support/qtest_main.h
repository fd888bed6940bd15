// Qt Test entry point: offscreen platform and a sandbox folder per process.
//   OLTOMA_QTEST_MAIN(TestClass)
#pragma once

#include <QApplication>
#include <QtTest>

#include <cstdlib>

#include "sandbox.h"

#define OLTOMA_QTEST_MAIN(TestClass)                                \
    int main(int argc, char** argv) {                               \
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);                \
        const std::string folder = oltoma::testing::EnterSandbox(); \
        QApplication app(argc, argv);                               \
        TestClass test;                                             \
        const int result = QTest::qExec(&test, argc, argv);         \
        oltoma::testing::LeaveSandbox(folder);                      \
        return result;                                              \
    }
