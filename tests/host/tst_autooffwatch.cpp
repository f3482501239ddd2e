// The auto-off watch against the simulated device's countdown: when it warns,
// when it starts the power-off command (a harmless counting script here) and
// how it follows auto-off being enabled and disabled.
#include "autooff.h"
#include "autooffwatch.h"
#include "logcapture.h"
#include "simulateddevice.h"
#include "warningguard.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <memory>

class TestAutoOffWatch : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_program;
    QString m_starts;

    void setDevice(bool enabled, qint64 timeout)
    {
        QFile device(m_dir.path() + "/device.ini");
        QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Truncate));
        device.write(QString("[autooff]\nenabled=%1\ntimeout=%2\n").arg(enabled ? "true" : "false").arg(timeout).toUtf8());
        device.close();
        SimulatedDevice::instance().reload();
        AutoOff::activity();
    }

    int commandStarts() const
    {
        QFile log(m_starts);
        return log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
    }

    QTimer *timerOf(AutoOffWatch &watch) { return watch.findChild<QTimer *>(); }

private slots:
    void initTestCase()
    {
        veltra::test::installWarningGuard();
        veltra::test::startLogCapture();
        qputenv("VELTRA_ROOTFS", m_dir.path().toUtf8());
        qputenv("VELTRA_DEVICE_FILE", (m_dir.path() + "/device.ini").toUtf8());
        m_starts = m_dir.path() + "/starts.log";
        m_program = m_dir.path() + "/poweroff";
        QFile script(m_program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho start >> '%1'\n").arg(m_starts).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    }

    void init()
    {
        QFile::remove(m_starts);
        setDevice(false, 900);
    }

    void cleanup()
    {
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }

    void timerIsACoarseRepeatingSecond()
    {
        setDevice(true, 900);
        QObject root;
        AutoOffWatch watch(&root, m_program);
        QTimer *timer = timerOf(watch);
        QVERIFY(timer);
        QVERIFY(watch.isTicking());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(timer->timerType(), Qt::VeryCoarseTimer);
        QVERIFY(!timer->isSingleShot());
    }

    void tickAtTheThresholds_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<qint64>("remaining");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<bool>("powersOff");
        QTest::newRow("60 s: no warning") << true << qint64(60) << false << false;
        QTest::newRow("59 s: warning") << true << qint64(59) << true << false;
        QTest::newRow("1 s: warning") << true << qint64(1) << true << false;
        QTest::newRow("0 s: power off") << true << qint64(0) << true << true;
        QTest::newRow("negative: power off") << true << qint64(-12) << true << true;
        QTest::newRow("disabled at 30 s") << false << qint64(30) << false << false;
        QTest::newRow("disabled at 0 s") << false << qint64(0) << false << false;
    }
    void tickAtTheThresholds()
    {
        QFETCH(bool, enabled);
        QFETCH(qint64, remaining);
        QFETCH(bool, warning);
        QFETCH(bool, powersOff);
        setDevice(enabled, remaining);
        QCOMPARE(AutoOff::instance().getTimeRemaining(), remaining);
        QObject root;
        root.setProperty("autoOffWarning", !warning);
        AutoOffWatch watch(&root, m_program);
        watch.tick();
        QCOMPARE(root.property("autoOffWarning").toBool(), warning);
        QCOMPARE(watch.powerOffStarts(), powersOff ? 1 : 0);
        if (powersOff)
            QTRY_COMPARE(commandStarts(), 1);
        else
            QCOMPARE(commandStarts(), 0);
    }

    void oneCommandPerTickWhileNoTimeIsLeft()
    {
        setDevice(true, 0);
        QObject root;
        AutoOffWatch watch(&root, m_program);
        QVERIFY(watch.isTicking());
        // The real timer, not direct calls: one start per second.
        QTRY_COMPARE_WITH_TIMEOUT(watch.powerOffStarts(), 2, veltra::test::timeout(4000));
        QTRY_COMPARE(commandStarts(), 2);
        QVERIFY(root.property("autoOffWarning").toBool());
    }

    // The watch runs exactly the program it was handed: no shell, no arguments,
    // no search for another "poweroff". A name with a space and shell syntax in it
    // would split or run the second half if a shell were involved.
    void startsExactlyTheCommandItWasGiven()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + "/power off;touch injected";
        const QString record = dir.path() + "/argv.log";
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nprintf '%s|%s\\n' \"$0\" \"$#\" >> '%1'\n").arg(record).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

        setDevice(true, 0);
        QObject root;
        AutoOffWatch watch(&root, program);
        watch.tick();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(record).size() > 0, veltra::test::timeout(5000));
        QFile log(record);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(log.readAll()), program + "|0\n");
        QVERIFY(!QFileInfo::exists(dir.path() + "/injected"));
        QVERIFY(!QFileInfo::exists(QDir::currentPath() + "/injected"));
    }

    // A power-off program that does not exist is tried again on the next tick
    // and leaves nothing running behind.
    void missingProgramIsRetriedWithoutHarm()
    {
        setDevice(true, 0);
        QObject root;
        AutoOffWatch watch(&root, m_dir.path() + "/no-such-poweroff");
        veltra::test::clearCapturedLog();
        watch.tick();
        watch.tick();
        watch.tick();
        QCOMPARE(watch.powerOffStarts(), 3);
        QTRY_COMPARE(watch.findChildren<QProcess *>().size(), 0);
        // Said once, not every second.
        QCOMPARE(veltra::test::capturedLog().filter("cannot start").size(), 1);
    }

    // A power-off that hangs is started once, not once a second, and is not
    // cut short when the watch (the shell) ends; once it has ended, the next
    // tick starts it again.
    void onePowerOffAtATimeThatOutlivesTheShell()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + "/slow-poweroff";
        const QString pidFile = dir.path() + "/pids";
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$VELTRA_SHELL_PID\" > '%1.shell'\necho $$ >> '%1'\nexec sleep 30\n")
                         .arg(pidFile)
                         .toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
        auto pids = [&] {
            QFile f(pidFile);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                               : QStringList();
        };

        setDevice(true, 0);
        QObject root;
        auto watch = std::make_unique<AutoOffWatch>(&root, program);
        QTRY_COMPARE_WITH_TIMEOUT(pids().size(), 1, veltra::test::timeout(5000));
        const pid_t first = pids().first().toInt();
        // The command is told which shell asked.
        QFile shell(pidFile + ".shell");
        QVERIFY(shell.open(QIODevice::ReadOnly));
        QCOMPARE(shell.readAll().trimmed().toLongLong(), QCoreApplication::applicationPid());
        for (int i = 0; i < 4; ++i)
            watch->tick();
        QTest::qWait(2500); // two more ticks of the watch's own timer
        QCOMPARE(watch->powerOffStarts(), 1);
        QCOMPARE(pids().size(), 1);
        QVERIFY(watch->isPowerOffRunning());

        QCOMPARE(::kill(first, SIGKILL), 0);
        QTRY_COMPARE_WITH_TIMEOUT(pids().size(), 2, veltra::test::timeout(5000));
        QCOMPARE(watch->powerOffStarts(), 2);
        const pid_t second = pids().last().toInt();

        watch.reset();
        QTest::qWait(200);
        QCOMPARE(::kill(second, 0), 0); // still running without the shell
        ::kill(second, SIGKILL);
    }

    // The development stand-in for /sbin/poweroff ends the shell that asked
    // (VELTRA_SHELL_PID) and nothing else: not another tarvik, not a process
    // that is no tarvik, nothing without the variable.
    void simulatedPowerOffEndsOnlyItsShell_data()
    {
        QTest::addColumn<QString>("shellPid");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("firstEnds");
        QTest::newRow("its shell") << "first" << 0 << true;
        QTest::newRow("no variable") << "" << 1 << false;
        QTest::newRow("not a tarvik") << "other" << 1 << false;
        QTest::newRow("not a number") << "1; kill 1" << 1 << false;
    }
    void simulatedPowerOffEndsOnlyItsShell()
    {
        QFETCH(QString, shellPid);
        QFETCH(int, exitCode);
        QFETCH(bool, firstEnds);
        QTemporaryDir dir;
        const QString fakeShell = dir.path() + "/tarvik";
        QVERIFY(QFile::copy(QStandardPaths::findExecutable("sleep"), fakeShell));
        QProcess first;
        QProcess second;
        QProcess other;
        first.start(fakeShell, {"30"});
        second.start(fakeShell, {"30"});
        other.start("sleep", {"30"});
        for (QProcess *p : {&first, &second, &other})
            QVERIFY(p->waitForStarted());
        QProcess script;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("VELTRA_SHELL_PID");
        if (shellPid == "first")
            env.insert("VELTRA_SHELL_PID", QString::number(first.processId()));
        else if (shellPid == "other")
            env.insert("VELTRA_SHELL_PID", QString::number(other.processId()));
        else if (!shellPid.isEmpty())
            env.insert("VELTRA_SHELL_PID", shellPid);
        script.setProcessEnvironment(env);
        script.start(VELTRA_SOURCE_DIR "/scripts/simulated-poweroff.sh", QStringList());
        QVERIFY(script.waitForFinished(veltra::test::timeout(10000)));
        QCOMPARE(script.exitCode(), exitCode);
        QCOMPARE(first.waitForFinished(firstEnds ? veltra::test::timeout(5000) : 300), firstEnds);
        QCOMPARE(second.state(), QProcess::Running);
        QCOMPARE(other.state(), QProcess::Running);
        for (QProcess *p : {&first, &second, &other}) {
            p->kill();
            p->waitForFinished();
        }
    }

    void activityClearsTheWarningAtTheNextTick()
    {
        setDevice(true, 30);
        QObject root;
        AutoOffWatch watch(&root, m_program);
        watch.tick();
        QVERIFY(root.property("autoOffWarning").toBool());
        setDevice(true, 300);
        AutoOff::activity();
        watch.tick();
        QVERIFY(!root.property("autoOffWarning").toBool());
    }

    void disablingClearsTheWarningAtOnce()
    {
        setDevice(true, 30);
        QObject root;
        AutoOffWatch watch(&root, m_program);
        watch.tick();
        QVERIFY(root.property("autoOffWarning").toBool());
        setDevice(false, 30);
        QVERIFY(!root.property("autoOffWarning").toBool());
        QVERIFY(!watch.isTicking());
    }

    void disabledAtStartRunsNoTickUntilEnabled()
    {
        setDevice(false, 30);
        QObject root;
        root.setProperty("autoOffWarning", false);
        AutoOffWatch watch(&root, m_program);
        QVERIFY(!watch.isTicking());
        QTest::qWait(1300);
        QVERIFY(!root.property("autoOffWarning").toBool());

        setDevice(true, 30);
        QVERIFY(watch.isTicking());
        // The first tick comes a second later, not at once.
        QVERIFY(!root.property("autoOffWarning").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(root.property("autoOffWarning").toBool(), veltra::test::timeout(3000));
    }

    void rootWindowGoneIsHarmless()
    {
        setDevice(true, 0);
        auto *root = new QObject;
        AutoOffWatch watch(root, m_program);
        delete root;
        watch.tick();
        QCOMPARE(watch.powerOffStarts(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAutoOffWatch)
#include "tst_autooffwatch.moc"
