#pragma once

#include <QElapsedTimer>
#include <QGuiApplication>

// A GUI application that adds up how long its thread spends delivering events:
// every timer tick (animations among them), posted call, input event and
// update request, each counted once however deeply deliveries nest. What the
// thread does outside event delivery is sleeping in its event loop.
class TimedApplication : public QGuiApplication
{
    Q_OBJECT

public:
    TimedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Time spent delivering events so far, including a delivery in progress.
    qint64 busyNanoseconds() const;

private:
    QElapsedTimer m_clock;
    int m_depth = 0;
    qint64 m_deliveryStart = 0;
    qint64 m_busy = 0;
};
