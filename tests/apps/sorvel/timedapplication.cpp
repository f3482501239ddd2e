#include "timedapplication.h"

TimedApplication::TimedApplication(int &argc, char **argv)
    : QGuiApplication(argc, argv)
{
    m_clock.start();
}

bool TimedApplication::notify(QObject *receiver, QEvent *event)
{
    if (m_depth++ == 0)
        m_deliveryStart = m_clock.nsecsElapsed();
    const bool result = QGuiApplication::notify(receiver, event);
    if (--m_depth == 0)
        m_busy += m_clock.nsecsElapsed() - m_deliveryStart;
    return result;
}

qint64 TimedApplication::busyNanoseconds() const
{
    return m_busy + (m_depth > 0 ? m_clock.nsecsElapsed() - m_deliveryStart : 0);
}
