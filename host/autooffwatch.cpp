#include "autooffwatch.h"

#include "autooff.h"

#include <QProcess>
#include <QTimer>
#include <QVariant>

AutoOffWatch::AutoOffWatch(QObject *rootWindow, const QString &powerOffProgram, QObject *parent)
    : QObject(parent)
    , m_root(rootWindow)
    , m_program(powerOffProgram)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &AutoOffWatch::tick);
    m_timer->setSingleShot(false);
    m_timer->setTimerType(Qt::VeryCoarseTimer);
    if (AutoOff::instance().isEnabled())
        m_timer->start(kTickMs);
    connect(&AutoOff::instance(), &AutoOff::isEnabledChanged, this, &AutoOffWatch::enabledChanged);
}

bool AutoOffWatch::isTicking() const
{
    return m_timer->isActive();
}

void AutoOffWatch::enabledChanged(bool enabled)
{
    if (enabled) {
        m_timer->start(kTickMs);
        return;
    }
    m_timer->stop();
    if (m_root)
        m_root->setProperty("autoOffWarning", false);
}

void AutoOffWatch::tick()
{
    const qint64 remaining = AutoOff::instance().getTimeRemaining();
    const bool warning = AutoOff::instance().isEnabled() && remaining < kWarningSeconds;
    if (m_root)
        m_root->setProperty("autoOffWarning", warning);
    if (warning && remaining <= 0)
        powerOff();
}

void AutoOffWatch::powerOff()
{
    // Not waited for and its output not read; a failed start is tried again on
    // the next tick.
    auto *process = new QProcess(this);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process,
            &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    ++m_powerOffStarts;
    process->start(m_program, QStringList(), QIODevice::ReadWrite);
}
