#pragma once

#include <QTest>

// Checks inside a helper. Each reports its own failure, as QCOMPARE and QVERIFY do, and makes
// the helper return false; the test function then ends with HELD, reporting nothing more, so
// that a failure is told once and the test does not go on in a state it did not reach.
#define HELPER_COMPARE(actual, expected)                                                           \
    do {                                                                                           \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))            \
            return false;                                                                          \
    } while (false)

#define HELPER_VERIFY(statement)                                                                   \
    do {                                                                                           \
        if (!QTest::qVerify(static_cast<bool>(statement), #statement, "", __FILE__, __LINE__))     \
            return false;                                                                          \
    } while (false)

#define HELD(helperCall)                                                                           \
    do {                                                                                           \
        if (!(helperCall))                                                                         \
            return;                                                                                \
    } while (false)
