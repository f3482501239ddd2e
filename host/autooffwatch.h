#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QTimer;

// Watches the auto-off countdown once a second: in the last minute it raises
// the root window's `autoOffWarning`; when no time is left it starts the
// power-off command, detached, and again on a later tick once it has ended
// (until the system goes down).
class AutoOffWatch : public QObject
{
    Q_OBJECT
public:
    AutoOffWatch(QObject *rootWindow, const QString &powerOffProgram, QObject *parent = nullptr);

    static constexpr int kTickMs = 1000;
    static constexpr qint64 kWarningSeconds = 60;

    bool isTicking() const;
    // How many power-off commands were started so far.
    int powerOffStarts() const { return m_powerOffStarts; }
    // Whether the last power-off command started still runs.
    bool isPowerOffRunning() const;

public slots:
    void tick();

private:
    void enabledChanged(bool enabled);
    void powerOff();

    QPointer<QObject> m_root;
    QString m_program;
    QTimer *m_timer;
    int m_powerOffStarts = 0;
    qint64 m_powerOffPid = 0;
    bool m_waitLogged = false;
    bool m_startFailureLogged = false;
};
