#include "framemeter.h"

#include "timedapplication.h"

#include <QEvent>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>

FrameMeter::FrameMeter(QQuickWindow *window, const TimedApplication *application, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_application(application)
{
    m_window->installEventFilter(this);
    connect(m_window, &QQuickWindow::frameSwapped, this, &FrameMeter::frameSwapped, Qt::DirectConnection);
    m_clock.start();
}

void FrameMeter::start()
{
    m_costs.clear();
    m_busy.clear();
    m_intervals.clear();
    m_frameStart = -1;
    m_lastFrameEnd = -1;
    m_busyAtLastFrameEnd = m_application ? m_application->busyNanoseconds() : 0;
    m_running = true;
}

void FrameMeter::stop()
{
    m_running = false;
}

bool FrameMeter::eventFilter(QObject *watched, QEvent *event)
{
    if (m_running && watched == m_window && event->type() == QEvent::UpdateRequest)
        m_frameStart = m_clock.nsecsElapsed();
    return QObject::eventFilter(watched, event);
}

void FrameMeter::frameSwapped()
{
    if (!m_running)
        return;
    const qint64 now = m_clock.nsecsElapsed();
    if (m_frameStart >= 0)
        m_costs.append((now - m_frameStart) / 1e6);
    const qint64 busy = m_application ? m_application->busyNanoseconds() : 0;
    if (m_lastFrameEnd >= 0) {
        m_intervals.append((now - m_lastFrameEnd) / 1e6);
        if (m_application)
            m_busy.append((busy - m_busyAtLastFrameEnd) / 1e6);
    }
    m_frameStart = -1;
    m_lastFrameEnd = now;
    m_busyAtLastFrameEnd = busy;
}

FrameMeter::Summary FrameMeter::summarize(QVector<double> values)
{
    Summary summary;
    summary.frames = values.size();
    if (values.isEmpty())
        return summary;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    summary.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    summary.p95 = values[std::min(n - 1, int(std::ceil(0.95 * n)) - 1)];
    summary.max = values.last();
    return summary;
}
