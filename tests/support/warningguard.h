#pragma once

#include <QString>
#include <QStringList>

namespace veltra::test {

// Installs a message handler (install it once the test framework has installed
// its own, e.g. in initTestCase(): QtTest does not pass messages on) that passes every message on to the previous
// handler and remembers QML warnings and errors (messages of the "qml" and "js"
// categories, and warnings that point at a .qml file). A test that produced
// one of them fails: the test mains check qmlWarnings() when they finish.
void installWarningGuard();
QStringList qmlWarnings();
void clearQmlWarnings();
// The recorded warnings as one text, and forgets them: for cleanup() checks,
// QVERIFY2(text.isEmpty(), qPrintable(text)).
QString takeQmlWarnings();

// The exit code of a test main: `rc`, or 1 when QML warnings were recorded
// (they are listed on standard error).
int exitCodeWithQmlWarnings(int rc);

// VELTRA_TIMEOUT_FACTOR when it is a positive number, else 1.
double timeoutFactor();
// Multiplies a time-out in milliseconds by VELTRA_TIMEOUT_FACTOR (default 1).
int timeout(int milliseconds);

} // namespace veltra::test
