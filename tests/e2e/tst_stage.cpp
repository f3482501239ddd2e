// Starts the real tarvik from the staged device tree, as a user would: headless
// on the offscreen platform, and on a virtual X display driven by xdotool.
#include "childprogram.h"
#include "warningguard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestStage : public QObject
{
    Q_OBJECT

private:
    QString m_log;
    QProcess m_xvfb;
    QString m_display;
    QTemporaryDir m_tools;

    QProcessEnvironment environment(const QString &rootfs) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELTRA_ROOTFS", rootfs);
        env.remove("VELTRA_DEVICE_FILE");
        // A harmless stand-in that only records that it was started.
        env.insert("VELTRA_POWEROFF_PROGRAM", m_tools.path() + "/poweroff");
        return env;
    }

    // The same, on the virtual X display.
    QProcessEnvironment displayEnvironment(const QString &rootfs) const
    {
        QProcessEnvironment env = environment(rootfs);
        env.insert("DISPLAY", m_display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        return env;
    }

    bool waitForLog(QProcess &process, const QString &text, int milliseconds = 20000)
    {
        QDeadlineTimer deadline(veltra::test::timeout(milliseconds));
        while (!m_log.contains(text) && !deadline.hasExpired() && process.state() == QProcess::Running)
            QTest::qWait(20);
        if (!m_log.contains(text))
            qWarning().noquote() << "no" << text << "in the log:\n" << m_log;
        return m_log.contains(text);
    }

    // Starts tarvik and waits until every app has loaded.
    bool start(QProcess &tarvik, const QProcessEnvironment &env)
    {
        tarvik.setProcessEnvironment(env);
        tarvik.setWorkingDirectory(VELTRA_STAGE_BIN_DIR);
        tarvik.setProcessChannelMode(QProcess::MergedChannels);
        m_log.clear();
        connect(&tarvik, &QProcess::readyRead, this, [this, &tarvik] { m_log += tarvik.readAll(); });
        veltra::test::startProgram(tarvik, VELTRA_STAGE_BIN_DIR "/tarvik");
        return tarvik.waitForStarted(veltra::test::timeout(10000)) && waitForLog(tarvik, "STARTUP SOUND!")
            && waitForLog(tarvik, "call allAppsLoaded");
    }

    bool stop(QProcess &tarvik)
    {
        tarvik.terminate();
        const bool finished = tarvik.waitForFinished(veltra::test::timeout(10000));
        m_log += tarvik.readAll();
        return finished && tarvik.exitStatus() == QProcess::NormalExit && tarvik.exitCode() == 0;
    }

    QString xdotool(const QStringList &args)
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_display);
        tool.setProcessEnvironment(env);
        tool.start("xdotool", args);
        tool.waitForFinished(veltra::test::timeout(10000));
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    // The first window whose title matches `pattern`, once it exists.
    QString findWindow(const QString &pattern)
    {
        return xdotool({"search", "--sync", "--name", pattern}).section('\n', 0, 0);
    }

    // A tap at (x, y) in the window's own coordinates.
    void tap(const QString &window, int x, int y)
    {
        xdotool({"mousemove", "--window", window, QString::number(x), QString::number(y), "click", "1"});
    }

private slots:
    void initTestCase()
    {
        veltra::test::installWarningGuard();
        QFile powerOff(m_tools.path() + "/poweroff");
        QVERIFY(powerOff.open(QIODevice::WriteOnly));
        powerOff.write("#!/bin/sh\necho started >> \"$(dirname \"$0\")/poweroff.log\"\n");
        powerOff.close();
        QVERIFY(powerOff.setPermissions(powerOff.permissions() | QFileDevice::ExeOwner));
    }

    void cleanupTestCase()
    {
        if (m_xvfb.state() == QProcess::Running) {
            m_xvfb.terminate();
            m_xvfb.waitForFinished(5000);
        }
    }

    void startsFromTheStageAndWritesItsConfiguration()
    {
        QTemporaryDir rootfs;
        QProcess tarvik;
        QVERIFY(start(tarvik, environment(rootfs.path())));
        QVERIFY(stop(tarvik));

        QSettings ini(rootfs.path() + "/opt/save_data/global.conf", QSettings::IniFormat);
        QCOMPARE(ini.value("startup_app_id").toString(), QString("com.ostrelle.veltra.Home"));
        QCOMPARE(ini.value("internet_clock_sync_enabled").toString(), QString("true"));
        QVERIFY(QFileInfo::exists(rootfs.path() + "/opt/save_data/version_history"));
        QVERIFY2(!m_log.contains(".qml:"), qPrintable(m_log));
        // The default apps directory "..\\..\\veltra\\apps" found the staged apps.
        for (const char *app : {"HomeApp", "GaugeApp", "UpdatesApp", "SettingsApp", "PowerApp", "LumvarApp"})
            QVERIFY2(m_log.contains(QString("%1::registerTypes()").arg(app)), app);
        QVERIFY(!m_log.contains("SorvelApp::registerTypes()"));
        QVERIFY(m_log.contains("onLoaded: HomeApp.qml"));
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
        QVERIFY(start(tarvik, environment(rootfs.path())));
        QVERIFY(stop(tarvik));
    }

    // An empty start-up id stays in the file, and the home app is shown: every
    // app loads and the end of loading is reported (start() waits for it).
    void emptyStartupIdShowsTheHomeApp()
    {
        QTemporaryDir rootfs;
        QDir().mkpath(rootfs.path() + "/opt/save_data");
        QFile conf(rootfs.path() + "/opt/save_data/global.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nstartup_app_id=\n");
        conf.close();
        QProcess tarvik;
        QVERIFY(start(tarvik, environment(rootfs.path())));
        QVERIFY(waitForLog(tarvik, "onLoaded: HomeApp.qml"));
        QVERIFY(stop(tarvik));
        QSettings ini(conf.fileName(), QSettings::IniFormat);
        QCOMPARE(ini.value("startup_app_id").toString(), QString());
    }

    void virtualDisplay()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QFAIL("Xvfb and xdotool are needed (scripts/debian-packages.txt installs them)");
        int number = 150;
        while (QFileInfo::exists(QString("/tmp/.X%1-lock").arg(number)))
            ++number;
        m_display = QString(":%1").arg(number);
        m_xvfb.start("Xvfb", {m_display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        QVERIFY(m_xvfb.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(number)),
                                 veltra::test::timeout(10000));
    }

    void launcherOpensAnAppGoesHomeAndTakesAScreenshot()
    {
        QVERIFY(!m_display.isEmpty());
        QTemporaryDir rootfs;
        // Our staged apps alone, wherever other teams' apps are staged beside
        // them: the taps below aim at places of our launcher.
        const QString apps = rootfs.path() + "/apps";
        QVERIFY(QDir().mkpath(apps));
        for (const char *library : {"libhomeapp.so", "libgaugeapp.so", "liblumvar.so", "libupdatesapp.so",
                                    "libsettingsapp.so", "libpowerapp.so", "libsorvel.so"}) {
            const QString staged = QStringLiteral(VELTRA_STAGE_BIN_DIR "/../../veltra/apps/") + library;
            QVERIFY2(QFile::link(QFileInfo(staged).canonicalFilePath(), apps + "/" + library), library);
        }
        QVERIFY(QDir().mkpath(rootfs.path() + "/opt/save_data"));
        QSettings config(rootfs.path() + "/opt/save_data/global.conf", QSettings::IniFormat);
        config.setValue("apps_dir", apps);
        config.sync();
        QProcessEnvironment env = displayEnvironment(rootfs.path());
        QProcess tarvik;
        QVERIFY(start(tarvik, env));
        const QString window = findWindow("^Veltra$");
        QVERIFY(!window.isEmpty());
        xdotool({"windowfocus", "--sync", window});

        // The launcher's second row starts with Settings.
        tap(window, 84, 215);
        QVERIFY(waitForLog(tarvik, "VeltraApp.launchApp() com.ostrelle.veltra.Settings"));
        xdotool({"key", "ctrl+alt+s"});
        QVERIFY(waitForLog(tarvik, "Screenshot::grab() saved"));
        // Settings' Home action, top right in its action bar.
        tap(window, 452, 50);
        QVERIFY(waitForLog(tarvik, "VeltraApp.launchApp() com.ostrelle.veltra.Home"));
        QVERIFY(stop(tarvik));

        const QStringList shots = QDir(rootfs.path() + "/opt/save_data/screenshots").entryList(QDir::Files);
        QCOMPARE(shots.size(), 1);
        const QImage shot(rootfs.path() + "/opt/save_data/screenshots/" + shots.first());
        QCOMPARE(shot.size(), QSize(480, 272));
        QVERIFY2(!m_log.contains(".qml:"), qPrintable(m_log));
    }

    void autoOffWarningAppearsAndATapClearsIt()
    {
        QVERIFY(!m_display.isEmpty());
        QTemporaryDir rootfs;
        // A minute and a bit from power-off: the warning comes within seconds.
        QDir().mkpath(rootfs.path() + "/etc/veltra");
        QFile device(rootfs.path() + "/etc/veltra/device.ini");
        QVERIFY(device.open(QIODevice::WriteOnly));
        device.write("[autooff]\nenabled=true\ntimeout=62\n");
        device.close();
        QProcessEnvironment env = displayEnvironment(rootfs.path());
        QProcess tarvik;
        QVERIFY(start(tarvik, env));
        const QString window = findWindow("^Veltra$");
        QVERIFY(!window.isEmpty());
        QVERIFY(waitForLog(tarvik, "auto-off warning shown", 15000));
        tap(window, 240, 136);
        QVERIFY(waitForLog(tarvik, "auto-off warning cleared", 5000));
        QVERIFY(stop(tarvik));
        QVERIFY(!QFileInfo::exists(m_tools.path() + "/poweroff.log"));
    }

    void desktopEditionDragsByItsFrameAndCloses()
    {
        QVERIFY(!m_display.isEmpty());
        QTemporaryDir rootfs;
        QProcessEnvironment env = displayEnvironment(rootfs.path());
        env.insert("VELTRA_EDITION", "desktop");
        QProcess tarvik;
        QVERIFY(start(tarvik, env));
        const QString window = findWindow("^Veltra Connect$");
        QVERIFY(!window.isEmpty());
        QVERIFY(m_log.contains("Units.multiplier: "));
        QVERIFY2(!m_log.contains("Cannot open"), qPrintable(m_log));

        auto position = [&] {
            const QString geometry = xdotool({"getwindowgeometry", "--shell", window});
            QPoint p;
            for (const QString &line : geometry.split('\n')) {
                if (line.startsWith("X="))
                    p.setX(line.mid(2).toInt());
                else if (line.startsWith("Y="))
                    p.setY(line.mid(2).toInt());
            }
            return p;
        };
        const QPoint before = position();
        // A drag on the device picture moves the window with the pointer.
        xdotool({"mousemove", "--window", window, "10", "10", "mousedown", "1"});
        xdotool({"mousemove_relative", "--sync", "25", "10"});
        xdotool({"mousemove_relative", "--sync", "25", "10"});
        xdotool({"mouseup", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(position() - before, QPoint(50, 20), veltra::test::timeout(5000));

        // The close button (top right, mini action button) ends the program.
        tap(window, 1200 - 4 - 20, 4 + 20);
        QVERIFY(tarvik.waitForFinished(veltra::test::timeout(10000)));
        QCOMPARE(tarvik.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tarvik.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStage)
#include "tst_stage.moc"
