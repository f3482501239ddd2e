// Badges survive every way the real program ends: a SIGTERM right after the
// change, a normal quit, and the start after each. The staged tarvik runs
// offscreen with a start-up app (fixtures/BadgeWriterApp.qml) that writes a
// badge on start.
#include "childprogram.h"
#include "warningguard.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestTermination : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_rootfs;
    QString m_log;

    QString badgeFile() const { return m_rootfs.path() + "/opt/save_data/badges.conf"; }

    bool waitForLog(QProcess &process, const QString &text)
    {
        QDeadlineTimer deadline(veltra::test::timeout(30000));
        while (!m_log.contains(text) && !deadline.hasExpired() && process.state() == QProcess::Running) {
            process.waitForReadyRead(50);
            m_log += process.readAll();
        }
        m_log += process.readAll();
        return m_log.contains(text);
    }

    void start(QProcess &tarvik)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELTRA_ROOTFS", m_rootfs.path());
        env.remove("VELTRA_DEVICE_FILE");
        env.insert("VELTRA_POWEROFF_PROGRAM", "/bin/false");
        tarvik.setProcessEnvironment(env);
        tarvik.setWorkingDirectory(VELTRA_STAGE_BIN_DIR);
        tarvik.setProcessChannelMode(QProcess::MergedChannels);
        m_log.clear();
        veltra::test::startProgram(tarvik, VELTRA_STAGE_BIN_DIR "/tarvik");
        QVERIFY(tarvik.waitForStarted(veltra::test::timeout(10000)));
    }

    QString storedBadge() const
    {
        QSettings badges(badgeFile(), QSettings::IniFormat);
        return badges.value("com.ostrelle.veltra.BadgeWriter").toString();
    }

private slots:
    void initTestCase()
    {
        veltra::test::installWarningGuard();
        QVERIFY(m_rootfs.isValid());
        QSettings global(m_rootfs.path() + "/opt/save_data/global.conf", QSettings::IniFormat);
        global.setValue("apps_dir", VELTRA_BADGEWRITER_DIR);
        global.setValue("startup_app_id", "com.ostrelle.veltra.BadgeWriter");
        global.setValue("home_app_id", "com.ostrelle.veltra.BadgeWriter");
        global.sync();
        QCOMPARE(global.status(), QSettings::NoError);
    }

    // The three runs build on each other, in this order.
    void sigtermRightAfterTheChangeKeepsTheBadge()
    {
        QProcess tarvik;
        start(tarvik);
        QVERIFY2(waitForLog(tarvik, "BADGE-WRITTEN"), qPrintable(m_log));
        ::kill(pid_t(tarvik.processId()), SIGTERM);
        QVERIFY(tarvik.waitForFinished(veltra::test::timeout(20000)));
        m_log += tarvik.readAll();
        QVERIFY2(tarvik.exitStatus() == QProcess::NormalExit && tarvik.exitCode() == 0, qPrintable(m_log));
        QVERIFY2(m_log.contains("BADGE-SEEN []"), qPrintable(m_log));
        QCOMPARE(storedBadge(), QString("after-sigterm"));
    }

    void restartFindsItAndANormalQuitKeepsTheNext()
    {
        QProcess tarvik;
        start(tarvik);
        QVERIFY(tarvik.waitForFinished(veltra::test::timeout(30000)));
        m_log += tarvik.readAll();
        QVERIFY2(tarvik.exitStatus() == QProcess::NormalExit && tarvik.exitCode() == 0, qPrintable(m_log));
        QVERIFY2(m_log.contains("BADGE-SEEN [after-sigterm]"), qPrintable(m_log));
        QCOMPARE(storedBadge(), QString("after-quit"));
    }

    void restartAfterTheQuitFindsIt()
    {
        QProcess tarvik;
        start(tarvik);
        QVERIFY2(waitForLog(tarvik, "BADGE-SEEN [after-quit]"), qPrintable(m_log));
        tarvik.terminate();
        QVERIFY(tarvik.waitForFinished(veltra::test::timeout(20000)));
        m_log += tarvik.readAll();
        QVERIFY2(tarvik.exitCode() == 0, qPrintable(m_log));
        QCOMPARE(storedBadge(), QString("after-quit"));
        const QStringList qmlWarnings = m_log.split('\n').filter(QRegularExpression("\\.qml:\\d+|qrc:.*: "));
        QVERIFY2(qmlWarnings.isEmpty(), qPrintable(qmlWarnings.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestTermination)

#include "tst_termination.moc"
