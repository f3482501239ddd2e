#include "journeyhost.h"

#include "autooffeventfilter.h"
#include "autooffwatch.h"
#include "logcapture.h"
#include "warningguard.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace veltra::test {

JourneyHost::JourneyHost(QObject *parent)
    : QObject(parent)
    // `true` does nothing, successfully: the power-off the watch may start.
    , m_powerOffProgram(QStandardPaths::findExecutable(QStringLiteral("true")))
{
}

JourneyHost::~JourneyHost()
{
    m_stopHangWatch = true;
    if (m_hangWatch.joinable())
        m_hangWatch.join();
}

void JourneyHost::startHangWatch(int seconds)
{
    if (m_hangWatch.joinable())
        return;
    auto *beat = new QTimer(this);
    connect(beat, &QTimer::timeout, this, [this] { m_lastBeat = QDateTime::currentMSecsSinceEpoch(); });
    beat->start(100);
    m_lastBeat = QDateTime::currentMSecsSinceEpoch();
    const qint64 limit = qint64(seconds) * 1000;
    m_hangWatch = std::thread([this, limit] {
        while (!m_stopHangWatch) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            if (QDateTime::currentMSecsSinceEpoch() - m_lastBeat > limit) {
                std::fprintf(stderr, "FAIL!  : the shell's GUI thread has not run for %lld s: the journey above "
                             "hangs; the run ends here\n", limit / 1000);
                std::fflush(stderr);
                std::_Exit(3);
            }
        }
    });
}

void JourneyHost::installInputFilter()
{
    // Lives as long as the application, as in tarvik.
    QCoreApplication::instance()->installEventFilter(new AutoOffEventFilter(QCoreApplication::instance()));
}

void JourneyHost::watchAutoOff(QObject *rootWindow)
{
    m_watch.reset();
    if (m_powerOffProgram.isEmpty()) {
        qWarning("JourneyHost::watchAutoOff() no stand-in power-off program (true) found; not watching");
        return;
    }
    m_watch = std::make_unique<AutoOffWatch>(rootWindow, m_powerOffProgram);
}

void JourneyHost::stopAutoOffWatch()
{
    m_watch.reset();
}

int JourneyHost::powerOffStarts() const
{
    return m_watch ? m_watch->powerOffStarts() : 0;
}

void JourneyHost::watchLog()
{
    if (m_watchingLog)
        return;
    m_watchingLog = true;
    installWarningGuard();
    startLogCapture();
}

QStringList JourneyHost::log() const
{
    return capturedLog();
}

void JourneyHost::clearLog()
{
    clearCapturedLog();
}

QString JourneyHost::takeQmlWarnings()
{
    return veltra::test::takeQmlWarnings();
}

QString JourneyHost::pixelOf(const QVariant &image, int x, int y) const
{
    const QImage picture = image.value<QImage>();
    if (!picture.valid(x, y))
        return {};
    return QColor(picture.pixel(x, y)).name();
}

} // namespace veltra::test
