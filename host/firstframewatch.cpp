#include "firstframewatch.h"

#include <QDebug>
#include <QQuickWindow>

namespace {
const int kDefaultFallbackMs = 1000;
}

FirstFrameWatch::FirstFrameWatch(QObject *parent)
    : QObject(parent)
{
    m_fallback.setSingleShot(true);
    m_fallback.setInterval(kDefaultFallbackMs);
    connect(&m_fallback, &QTimer::timeout, this, [this] { markShown("no frame came in time"); });
}

QObject *FirstFrameWatch::window() const
{
    return m_window;
}

void FirstFrameWatch::setWindow(QObject *window)
{
    auto *quickWindow = qobject_cast<QQuickWindow *>(window);
    if (window && !quickWindow)
        qDebug() << "FirstFrameWatch: not a Qt Quick window:" << window;
    const bool changed = quickWindow != m_window;
    // The same window again changes nothing once the watch is under way.
    if (!changed && (m_shown || m_fallback.isActive()))
        return;
    disconnect(m_frameConnection);
    m_window = quickWindow;
    if (!m_shown) {
        if (m_window) {
            // frameSwapped comes from the render thread when the scene graph
            // has one: queued, the answer is given on this object's (the GUI)
            // thread.
            m_frameConnection = connect(m_window, &QQuickWindow::frameSwapped, this,
                                        [this] { markShown("first frame"); }, Qt::QueuedConnection);
        }
        // Also for a missing window: whoever waits goes on after the fallback.
        m_fallback.start();
    }
    if (changed)
        emit windowChanged();
}

bool FirstFrameWatch::shown() const
{
    return m_shown;
}

int FirstFrameWatch::fallbackInterval() const
{
    return m_fallback.interval();
}

void FirstFrameWatch::setFallbackInterval(int milliseconds)
{
    const int interval = qMax(0, milliseconds);
    if (interval == m_fallback.interval())
        return;
    m_fallback.setInterval(interval);
    if (m_fallback.isActive())
        m_fallback.start();
    emit fallbackIntervalChanged();
}

void FirstFrameWatch::markShown(const char *why)
{
    if (m_shown)
        return;
    m_shown = true;
    m_fallback.stop();
    disconnect(m_frameConnection);
    qDebug().nospace() << "FirstFrameWatch: shown (" << why << ")";
    emit shownChanged();
}
