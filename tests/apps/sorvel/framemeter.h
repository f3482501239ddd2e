#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QVector>

class QQuickWindow;
class TimedApplication;

// Records the frames a Qt Quick window renders, three figures per frame:
// - cost: from the window's update request to the end of its swap (polish,
//   sync, render and flush);
// - busy: how long the GUI thread worked since the previous frame ended: the
//   frame's cost and whatever ran before it (animation ticks, a list view
//   creating the lines that scroll in), as a TimedApplication counts it;
// - interval: since the previous frame ended, what the user sees as frame rate.
// Works with the basic render loops, which render on the GUI thread when the
// window's update request arrives (the software renderer's among them).
class FrameMeter : public QObject
{
    Q_OBJECT

public:
    struct Summary
    {
        int frames = 0;
        double median = 0;
        double p95 = 0;
        double max = 0;
    };

    // Without an application that counts its work, busyPerFrame() stays empty.
    FrameMeter(QQuickWindow *window, const TimedApplication *application, QObject *parent = nullptr);

    void start();
    void stop();

    // In milliseconds.
    Summary frameCost() const { return summarize(m_costs); }
    Summary busyPerFrame() const { return summarize(m_busy); }
    Summary frameInterval() const { return summarize(m_intervals); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void frameSwapped();
    static Summary summarize(QVector<double> values);

    QQuickWindow *m_window;
    const TimedApplication *m_application;
    QElapsedTimer m_clock;
    bool m_running = false;
    qint64 m_frameStart = -1;
    qint64 m_lastFrameEnd = -1;
    qint64 m_busyAtLastFrameEnd = 0;
    QVector<double> m_costs;
    QVector<double> m_busy;
    QVector<double> m_intervals;
};
