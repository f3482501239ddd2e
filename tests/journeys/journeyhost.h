#pragma once

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>
#include <thread>

class AutoOffWatch;

namespace veltra::test {

// What the journeys need of the program around the root window, as the
// context property `journey`: the auto-off watch armed on a root window as the
// host arms it (with the auto-off input filter on the application, installed
// once at start), the debug log, the QML warnings, the colour of a pixel of a
// grabbed picture, and a watch that ends a run whose GUI thread hangs.
// Power-off runs a harmless stand-in program, never /sbin/poweroff.
class JourneyHost : public QObject
{
    Q_OBJECT
public:
    explicit JourneyHost(QObject *parent = nullptr);
    ~JourneyHost() override;

    // Installs the auto-off input filter on the application, as tarvik's
    // start-up does: every input event restarts the auto-off count.
    void installInputFilter();

    // Ends the run with a message when the GUI thread has not turned its
    // event loop for `seconds`: a shell that hangs (and may eat memory while
    // it does) fails its journey at once instead of at the test's time-out.
    void startHangWatch(int seconds);

    // An AutoOffWatch on `rootWindow` in place of any earlier one.
    Q_INVOKABLE void watchAutoOff(QObject *rootWindow);
    Q_INVOKABLE void stopAutoOffWatch();
    // How many power-off commands the watch started.
    Q_INVOKABLE int powerOffStarts() const;

    // Starts keeping the debug log and recording QML warnings, once: call it
    // from initTestCase(), when Quick Test's own message handler, which passes
    // nothing on, is in place. Recorded before Quick Test sees them, so a
    // warning that a journey would ignore (ignoreWarning) still counts.
    Q_INVOKABLE void watchLog();
    // The debug log since the last clearLog().
    Q_INVOKABLE QStringList log() const;
    Q_INVOKABLE void clearLog();
    // The QML warnings and errors since the last call, as one text.
    Q_INVOKABLE QString takeQmlWarnings();

    // The colour at (x, y) of a grabbed picture (an ItemGrabResult's image),
    // as "#rrggbb"; "" outside it.
    Q_INVOKABLE QString pixelOf(const QVariant &image, int x, int y) const;

private:
    std::unique_ptr<AutoOffWatch> m_watch;
    QString m_powerOffProgram;
    bool m_watchingLog = false;
    std::atomic<qint64> m_lastBeat{0};
    std::atomic<bool> m_stopHangWatch{false};
    std::thread m_hangWatch;
};

} // namespace veltra::test
