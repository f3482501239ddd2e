#include "autooff.h"

#include "simulateddevice.h"

AutoOff::AutoOff()
{
    m_sinceActivity.start();
    m_enabled = SimulatedDevice::instance().state().autoOffEnabled;
    connect(&SimulatedDevice::instance(), &SimulatedDevice::autoOffChanged, this, &AutoOff::deviceChanged);
}

AutoOff &AutoOff::instance()
{
    // Lives until the process ends.
    static AutoOff *autoOff = new AutoOff;
    return *autoOff;
}

void AutoOff::activity()
{
    instance().m_sinceActivity.restart();
}

bool AutoOff::isEnabled() const
{
    return m_enabled;
}

qint64 AutoOff::getTimeRemaining() const
{
    const qint64 timeout = SimulatedDevice::instance().state().autoOffTimeoutSeconds;
    return timeout - m_sinceActivity.elapsed() / 1000;
}

void AutoOff::deviceChanged()
{
    const bool enabled = SimulatedDevice::instance().state().autoOffEnabled;
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    // A newly enabled countdown starts from now, not from the last input.
    if (enabled)
        m_sinceActivity.restart();
    emit isEnabledChanged(enabled);
}
