#pragma once

#include "common_global.h"

#include <QElapsedTimer>
#include <QObject>

// The device's idle countdown: the simulated device gives whether auto-off is
// enabled and how many seconds of idleness end in a power-off; activity()
// starts the count again.
class COMMON_EXPORT AutoOff : public QObject
{
    Q_OBJECT
public:
    static AutoOff &instance();

    static void activity();
    bool isEnabled() const;
    // Whole seconds left before power-off; negative once the time has passed.
    qint64 getTimeRemaining() const;

signals:
    void isEnabledChanged(bool enabled);

private:
    AutoOff();
    void deviceChanged();

    QElapsedTimer m_sinceActivity;
    bool m_enabled = false;
};
