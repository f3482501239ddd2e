#include "autooffwatch.h"

#include "autooff.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QVariant>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

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

namespace {

// Whether the process `pid` still runs. A detached process is no child of
// ours, so it cannot be waited for; one that has ended but is not yet reaped
// (a zombie) counts as ended.
bool isRunning(qint64 pid)
{
#ifdef Q_OS_UNIX
    if (pid <= 0)
        return false;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.read(512);
    const int close = line.lastIndexOf(')');
    const char state = close > 0 && close + 2 < line.size() ? line.at(close + 2) : '?';
    return state != 'Z' && state != 'X';
#else
    Q_UNUSED(pid)
    return false;
#endif
}

} // namespace

bool AutoOffWatch::isPowerOffRunning() const
{
    return isRunning(m_powerOffPid);
}

void AutoOffWatch::powerOff()
{
    // One power-off at a time: a command that takes its time (or hangs) is
    // not started again until it has ended.
    if (isRunning(m_powerOffPid)) {
        if (!m_waitLogged)
            qDebug() << "AutoOffWatch::powerOff()" << m_program << "is still running (process" << m_powerOffPid
                     << "); not started again";
        m_waitLogged = true;
        return;
    }
    m_waitLogged = false;
    m_powerOffPid = 0;
    // Detached, so that it outlives the shell: power-off is never cut short by
    // the shell's own end. A failed start is tried again on the next tick.
    QProcess process;
    process.setProgram(m_program);
    // The command is told which shell asked (a stand-in for the device's
    // power-off ends only that one).
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELTRA_SHELL_PID"), QString::number(QCoreApplication::applicationPid()));
    process.setProcessEnvironment(environment);
    ++m_powerOffStarts;
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        // Tried again every second; said once.
        if (!m_startFailureLogged)
            qDebug() << "AutoOffWatch::powerOff() cannot start" << m_program << "; trying again every second";
        m_startFailureLogged = true;
        return;
    }
    m_startFailureLogged = false;
    m_powerOffPid = pid;
}
