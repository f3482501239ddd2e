#pragma once

#include <QObject>

// The start-up stopwatch. It is inert: start() does nothing and end() always
// returns 0, so the root window's "diagtime=" log lines read 0. Both are static,
// so calling them on the class or on any QML instance gives the same result.
class DiagTime : public QObject
{
    Q_OBJECT
public:
    explicit DiagTime(QObject *parent = nullptr);

    Q_INVOKABLE static void start();
    // A qint64 reaches QML as a number (a long would arrive as an object).
    Q_INVOKABLE static qint64 end();
};
