#pragma once

#include <gtest/gtest.h>

#include <QTest>

// Waits, processing events, until the condition holds, and fails the GoogleTest test when it
// never does within five seconds. (Qt's own QTRY_* macros report to QTest's log, which a
// GoogleTest run never reads: a failing QTRY_VERIFY would only wait and pass.)
#define TABULA_TRY_VERIFY(condition)                                                 \
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, 5000)) \
        << "never true: " #condition

#define TABULA_TRY_COMPARE(actual, expected)                                              \
    do {                                                                                  \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, 5000)); \
        EXPECT_EQ(actual, expected);                                                      \
    } while (false)
