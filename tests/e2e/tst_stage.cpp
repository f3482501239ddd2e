// Starts the real tarvik from the staged device tree, headless, as a user would.
#include "warningguard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestStage : public QObject
{
    Q_OBJECT

private:
    QString m_log;

    // Starts tarvik in `rootfs` and waits for the start-up to finish.
    bool start(QProcess &tarvik, const QString &rootfs)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELTRA_ROOTFS", rootfs);
        env.remove("VELTRA_DEVICE_FILE");
        tarvik.setProcessEnvironment(env);
        tarvik.setWorkingDirectory(VELTRA_STAGE_BIN_DIR);
        tarvik.setProcessChannelMode(QProcess::MergedChannels);
        m_log.clear();
        connect(&tarvik, &QProcess::readyRead, this, [this, &tarvik] { m_log += tarvik.readAll(); });
        tarvik.start(VELTRA_STAGE_BIN_DIR "/tarvik", QStringList());
        if (!tarvik.waitForStarted(veltra::test::timeout(10000)))
            return false;
        QDeadlineTimer deadline(veltra::test::timeout(20000));
        while (!m_log.contains("STARTUP SOUND!") && !deadline.hasExpired() && tarvik.state() == QProcess::Running)
            QTest::qWait(20);
        if (!m_log.contains("STARTUP SOUND!"))
            qWarning().noquote() << "tarvik did not finish starting:\n" << m_log;
        return m_log.contains("STARTUP SOUND!");
    }

private slots:
    void startsFromTheStageAndWritesItsConfiguration()
    {
        QTemporaryDir rootfs;
        QProcess tarvik;
        QVERIFY(start(tarvik, rootfs.path()));
        QCOMPARE(tarvik.state(), QProcess::Running);

        // A termination request ends the event loop normally.
        tarvik.terminate();
        QVERIFY(tarvik.waitForFinished(veltra::test::timeout(10000)));
        m_log += tarvik.readAll();
        QCOMPARE(tarvik.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tarvik.exitCode(), 0);

        QSettings ini(rootfs.path() + "/opt/save_data/global.conf", QSettings::IniFormat);
        QCOMPARE(ini.value("startup_app_id").toString(), QString("com.ostrelle.veltra.Home"));
        QCOMPARE(ini.value("internet_clock_sync_enabled").toString(), QString("true"));
        QVERIFY(QFileInfo::exists(rootfs.path() + "/opt/save_data/version_history"));
        QVERIFY2(!m_log.contains(".qml:"), qPrintable(m_log));
        // The default apps directory "..\\..\\veltra\\apps" found the staged apps.
        for (const char *app : {"HomeApp", "GaugeApp", "UpdatesApp", "SettingsApp", "PowerApp", "LumvarApp"})
            QVERIFY2(m_log.contains(QString("%1::registerTypes()").arg(app)), app);
        QVERIFY(!m_log.contains("SorvelApp::registerTypes()"));
    }

    void garbageConfigurationStillStarts()
    {
        QTemporaryDir rootfs;
        QDir().mkpath(rootfs.path() + "/opt/save_data");
        QFile conf(rootfs.path() + "/opt/save_data/global.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QByteArray(2048, '\x07') + "\n[General\n=\n");
        conf.close();
        QProcess tarvik;
        QVERIFY(start(tarvik, rootfs.path()));
        tarvik.terminate();
        QVERIFY(tarvik.waitForFinished(veltra::test::timeout(10000)));
        QCOMPARE(tarvik.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStage)
#include "tst_stage.moc"
