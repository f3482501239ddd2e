#pragma once

#include <QStringList>

namespace veltra::test {

// Keeps every debug-log line from now on (passing each on to the handler
// installed before). Install it after the test framework's own handler, e.g.
// in initTestCase().
void startLogCapture();
QStringList capturedLog();
void clearCapturedLog();

} // namespace veltra::test
