// The shell as the device's service runs it: the unit and its environment file
// from packaging/systemd, the staged program, and what a service manager does
// to it (kill, restart, stop). No systemd is needed: the unit is checked by
// systemd-analyze, and the platform environment is run with the VNC platform
// plug-in in place of the frame buffer this machine does not have.
#include "environmentfile.h"
#include "warningguard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <csignal>

namespace {

using veltra::test::readEnvironmentFile;

const QString kUnit = QStringLiteral(VELTRA_PACKAGING_DIR "/systemd/tarvik.service");
const QString kEnvironment = QStringLiteral(VELTRA_PACKAGING_DIR "/systemd/tarvik.env");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The unit's settings as "Section/Key"; the last assignment wins.
QMap<QString, QString> unitFile(const QString &path)
{
    QMap<QString, QString> values;
    QString section;
    for (QString line : QString::fromUtf8(readAll(path)).split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals > 0)
            values.insert(section + '/' + line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return values;
}

// A TCP port nobody listens on at the moment.
quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool readExactly(QTcpSocket &socket, char *data, qint64 size, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    qint64 done = 0;
    while (done < size) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
        done += socket.read(data + done, size - done);
        if (deadline.hasExpired() && done < size)
            return false;
    }
    return true;
}

} // namespace

class TestService : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_tools;
    QString m_log;

    // The service's environment on this machine: the file's values, with the
    // device's paths mapped into `rootfs` and a harmless power-off.
    QProcessEnvironment serviceEnvironment(const QString &rootfs, const QString &platform) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QMap<QString, QString> file = readEnvironmentFile(kEnvironment);
        for (auto it = file.begin(); it != file.end(); ++it)
            env.insert(it.key(), it.value());
        env.insert("QT_QPA_PLATFORM", platform);
        // What the service makes with RuntimeDirectory=.
        const QString runtime = rootfs + "/run/tarvik";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("VELTRA_ROOTFS", rootfs);
        env.remove("VELTRA_DEVICE_FILE");
        env.insert("VELTRA_POWEROFF_PROGRAM", m_tools.path() + "/poweroff");
        return env;
    }

    void start(QProcess &tarvik, const QProcessEnvironment &env)
    {
        m_log.clear();
        tarvik.setProcessEnvironment(env);
        tarvik.setWorkingDirectory(VELTRA_STAGE_BIN_DIR);
        tarvik.setProcessChannelMode(QProcess::MergedChannels);
        connect(&tarvik, &QProcess::readyRead, this, [this, &tarvik] { m_log += tarvik.readAll(); });
        tarvik.start(VELTRA_STAGE_BIN_DIR "/tarvik", QStringList());
        tarvik.waitForStarted(veltra::test::timeout(10000));
    }

    bool waitForLog(QProcess &tarvik, const QString &text, int milliseconds = 30000)
    {
        QDeadlineTimer deadline(veltra::test::timeout(milliseconds));
        while (!m_log.contains(text) && !deadline.hasExpired() && tarvik.state() == QProcess::Running)
            QTest::qWait(10);
        return m_log.contains(text);
    }

    // Stops the shell as the service does (SIGTERM) and says whether it ended
    // by itself, with exit code 0.
    bool stopAsTheServiceDoes(QProcess &tarvik)
    {
        const QMap<QString, QString> unit = unitFile(kUnit);
        const int stopSeconds = unit.value("Service/TimeoutStopSec").toInt();
        tarvik.terminate();
        const bool finished = tarvik.waitForFinished(veltra::test::timeout(stopSeconds * 1000));
        if (!finished) {
            tarvik.kill();
            tarvik.waitForFinished();
        }
        m_log += tarvik.readAll();
        const bool clean = finished && tarvik.exitStatus() == QProcess::NormalExit && tarvik.exitCode() == 0;
        if (!clean)
            qWarning().noquote() << "the shell did not end cleanly at SIGTERM:" << (finished ? "exit code" : "still running")
                                 << tarvik.exitCode() << "; the end of its log:\n" << m_log.right(6000);
        return clean;
    }

    // Ends a shell a failed check left running.
    static auto ended(QProcess &tarvik)
    {
        return qScopeGuard([&tarvik] {
            if (tarvik.state() != QProcess::NotRunning) {
                tarvik.kill();
                tarvik.waitForFinished();
            }
        });
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void initTestCase()
    {
        veltra::test::installWarningGuard();
        QFile powerOff(m_tools.path() + "/poweroff");
        QVERIFY(powerOff.open(QIODevice::WriteOnly));
        powerOff.write("#!/bin/sh\nexit 0\n");
        powerOff.close();
        QVERIFY(powerOff.setPermissions(powerOff.permissions() | QFileDevice::ExeOwner));
    }

    // systemd's own check of the unit, with the device's paths pointed at the
    // staged tree: no warning, no error.
    void unitPassesSystemdsCheck()
    {
        const QString analyze = QStandardPaths::findExecutable("systemd-analyze");
        if (analyze.isEmpty())
            QFAIL("systemd-analyze is needed (the systemd package, in scripts/debian-packages.txt)");
        QTemporaryDir dir;
        const QString stageRoot = QDir(VELTRA_STAGE_BIN_DIR "/../../..").canonicalPath();
        QByteArray unit = readAll(kUnit);
        QVERIFY(unit.contains("ExecStart=/opt/tarvik/bin/tarvik"));
        QVERIFY(unit.contains("EnvironmentFile=/etc/default/tarvik"));
        unit.replace("/opt/tarvik", QFile::encodeName(stageRoot + "/opt/tarvik"));
        unit.replace("/etc/default/tarvik", QFile::encodeName(kEnvironment));
        writeFile(dir.path() + "/tarvik.service", unit);
        QProcess verify;
        verify.setProcessChannelMode(QProcess::MergedChannels);
        verify.start(analyze, {"verify", dir.path() + "/tarvik.service"});
        QVERIFY(verify.waitForFinished(veltra::test::timeout(30000)));
        const QString output = QString::fromUtf8(verify.readAll()).trimmed();
        QVERIFY2(verify.exitCode() == 0 && output.isEmpty(), qPrintable(output));
    }

    // The environment names platform and input plug-ins that Qt has, at the
    // device's screen size.
    void environmentNamesPluginsQtHas()
    {
        const QMap<QString, QString> env = readEnvironmentFile(kEnvironment);
        const QStringList platform = env.value("QT_QPA_PLATFORM").split(':');
        QCOMPARE(platform.value(0), QString("linuxfb"));
        QVERIFY2(platform.contains("size=480x272"), qPrintable(platform.join(':')));
        QCOMPARE(env.value("QT_QUICK_BACKEND"), QString("software"));
        const QString plugins = QLibraryInfo::location(QLibraryInfo::PluginsPath);
        QVERIFY(QFileInfo::exists(plugins + "/platforms/libq" + platform.value(0) + ".so"));
        for (const QString &generic : env.value("QT_QPA_GENERIC_PLUGINS").split(',', Qt::SkipEmptyParts)) {
            const QString name = generic.section(':', 0, 0);
            QVERIFY2(QFileInfo::exists(plugins + "/generic/libq" + name + "plugin.so"), qPrintable(name));
        }
        QCOMPARE(env.value("XDG_RUNTIME_DIR"), "/run/" + unitFile(kUnit).value("Service/RuntimeDirectory"));
    }

    // The touch screen is read once, by the plug-in the environment names,
    // with what an administrator writes there (another device, ":rotate=180").
    // Qt's frame-buffer platform reads every input device itself (through
    // libinput) unless told not to, which would deliver each touch twice, and
    // QT_QPA_EVDEV_TOUCHSCREEN_PARAMETERS would replace the plug-in's own
    // device and options. Started with the environment, the touch device and
    // the frame buffer moved to device paths that do not exist (the shell then
    // ends for want of a screen), Qt's input log names that device once and no
    // other input handler.
    void touchScreenReadOnceAsConfigured()
    {
        const QString absent = QString("/dev/veltra-absent-%1").arg(QCoreApplication::applicationPid());
        QVERIFY(!QFileInfo::exists(absent));
        const QMap<QString, QString> file = readEnvironmentFile(kEnvironment);
        QString plugins = file.value("QT_QPA_GENERIC_PLUGINS");
        QVERIFY2(plugins.startsWith("evdevtouch:/dev/input/event0"), qPrintable(plugins));
        const QString touch = absent + "/input/event3";
        plugins.replace("/dev/input/event0", touch + ":rotate=180");
        QString platform = file.value("QT_QPA_PLATFORM");
        QVERIFY2(platform.contains("fb=/dev/fb0"), qPrintable(platform));
        platform.replace("/dev/fb0", absent + "/fb0");

        QTemporaryDir rootfs;
        QProcessEnvironment env = serviceEnvironment(rootfs.path(), platform);
        env.insert("QT_QPA_GENERIC_PLUGINS", plugins);
        env.insert("QT_LOGGING_RULES", "qt.qpa.input.debug=true");
        QProcess tarvik;
        const auto guard = ended(tarvik);
        tarvik.setProcessEnvironment(env);
        // Where a core dump of the screenless start would go.
        tarvik.setWorkingDirectory(rootfs.path());
        tarvik.setProcessChannelMode(QProcess::MergedChannels);
        tarvik.start(VELTRA_STAGE_BIN_DIR "/tarvik", QStringList());
        QVERIFY(tarvik.waitForFinished(veltra::test::timeout(30000)));
        m_log = QString::fromLocal8Bit(tarvik.readAll());
        const QStringList input = m_log.split('\n').filter(QRegularExpression("^qt\\.qpa\\.input: "));
        QVERIFY2(input.filter("evdevtouch: Adding device at " + touch).size() == 1, qPrintable(m_log));
        const QStringList others = input.filter(QRegularExpression("^(?!.*evdevtouch: ).*$|/input/event0"));
        QVERIFY2(others.isEmpty(), qPrintable("another input handler:\n" + others.join('\n')));
    }

    // With the service's environment on the VNC platform (the frame buffer's
    // stand-in here; support staff use it to watch a device): the server
    // offers the device's screen, 480 x 272, and shows the shell on it.
    void servesTheScreenOverVnc()
    {
        QTemporaryDir rootfs;
        const quint16 port = freePort();
        QString platform = readEnvironmentFile(kEnvironment).value("QT_QPA_PLATFORM");
        const QString size = platform.split(':').filter(QRegularExpression("^size=")).value(0);
        QProcess tarvik;
        const auto guard = ended(tarvik);
        start(tarvik, serviceEnvironment(rootfs.path(), QString("vnc:%1:port=%2").arg(size).arg(port)));
        QVERIFY2(waitForLog(tarvik, "call allAppsLoaded"), qPrintable(m_log));

        QTcpSocket vnc;
        vnc.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(vnc.waitForConnected(veltra::test::timeout(5000)));
        const int wait = veltra::test::timeout(5000);
        char version[12];
        QVERIFY(readExactly(vnc, version, 12, wait));
        QVERIFY2(QByteArray(version, 12).startsWith("RFB 003."), version);
        vnc.write(QByteArray(version, 12));
        // Version 3.3: the server names the one security type, 1 = none.
        char security[4];
        QVERIFY(readExactly(vnc, security, 4, wait));
        QCOMPARE(qFromBigEndian<quint32>(security), quint32(1));
        vnc.write(QByteArray(1, '\1')); // shared
        char init[24];
        QVERIFY(readExactly(vnc, init, 24, wait));
        const int width = qFromBigEndian<quint16>(init);
        const int height = qFromBigEndian<quint16>(init + 2);
        QCOMPARE(QString("size=%1x%2").arg(width).arg(height), size);
        QByteArray name(int(qFromBigEndian<quint32>(init + 20)), '\0');
        QVERIFY(readExactly(vnc, name.data(), name.size(), wait));

        // 32-bit true colour, little endian, red at bit 16: a QImage's RGB32.
        QByteArray format(20, '\0');
        format[0] = 0; // SetPixelFormat
        format[4] = 32; format[5] = 24; format[6] = 0; format[7] = 1;
        qToBigEndian<quint16>(255, format.data() + 8);
        qToBigEndian<quint16>(255, format.data() + 10);
        qToBigEndian<quint16>(255, format.data() + 12);
        format[14] = 16; format[15] = 8; format[16] = 0;
        QByteArray encodings(8, '\0');
        encodings[0] = 2; // SetEncodings: raw only
        qToBigEndian<quint16>(1, encodings.data() + 2);
        QByteArray request(10, '\0');
        request[0] = 3; // FramebufferUpdateRequest, not incremental
        qToBigEndian<quint16>(quint16(width), request.data() + 6);
        qToBigEndian<quint16>(quint16(height), request.data() + 8);
        vnc.write(format + encodings + request);

        QImage screen(width, height, QImage::Format_RGB32);
        screen.fill(Qt::black);
        char header[4];
        QVERIFY(readExactly(vnc, header, 4, wait));
        QCOMPARE(int(header[0]), 0); // FramebufferUpdate
        for (int n = qFromBigEndian<quint16>(header + 2); n > 0; --n) {
            char rect[12];
            QVERIFY(readExactly(vnc, rect, 12, wait));
            const int x = qFromBigEndian<quint16>(rect), y = qFromBigEndian<quint16>(rect + 2);
            const int w = qFromBigEndian<quint16>(rect + 4), h = qFromBigEndian<quint16>(rect + 6);
            QCOMPARE(qFromBigEndian<qint32>(rect + 8), 0); // raw
            QVERIFY(x + w <= width && y + h <= height);
            for (int row = 0; row < h; ++row)
                QVERIFY(readExactly(vnc, reinterpret_cast<char *>(screen.scanLine(y + row)) + 4 * x, 4 * w, wait));
        }
        screen.save(QDir::currentPath() + "/service-vnc.png");
        // The launcher under the status bar: many colours, not an empty screen.
        QSet<QRgb> colours;
        for (int y = 0; y < height; y += 4)
            for (int x = 0; x < width; x += 4)
                colours.insert(screen.pixel(x, y));
        QVERIFY2(colours.size() > 16, qPrintable(QString::number(colours.size())));
        vnc.disconnectFromHost();
        QVERIFY(stopAsTheServiceDoes(tarvik));
    }

    // The shell killed at any moment of its start, again and again, as a
    // crash or a power cut would: the next start finds the saved files whole,
    // removes what a killed write left behind and writes its data once more.
    void killedAtAnyMomentLosesNothing()
    {
        QTemporaryDir rootfs;
        const QString saveData = rootfs.path() + "/opt/save_data";
        const QString deviceFile = rootfs.path() + "/etc/veltra/device.ini";
        const QProcessEnvironment env = serviceEnvironment(rootfs.path(), "offscreen");
        const QByteArray badges = "[General]\ncom.ostrelle.veltra.Gauge=3\ncom.ostrelle.veltra.Settings=new\n";
        writeFile(saveData + "/badges.conf", badges);

        // How long a start takes here, to spread the kills over it.
        QElapsedTimer clock;
        {
            QProcess tarvik;
            const auto guard = ended(tarvik);
            clock.start();
            start(tarvik, env);
            QVERIFY2(waitForLog(tarvik, "call allAppsLoaded"), qPrintable(m_log));
            QVERIFY(stopAsTheServiceDoes(tarvik));
        }
        const int startMs = int(clock.elapsed());
        QStringList versions;
        for (int round = 0; round < 12; ++round) {
            // A new software version and a global.conf without one of its
            // keys: every start writes both files.
            const QString version = QString("2.%1.0").arg(round);
            versions << version;
            writeFile(deviceFile, "[gauge]\nsoftware_version=" + version.toUtf8() + "\n");
            QSettings conf(saveData + "/global.conf", QSettings::IniFormat);
            conf.remove("internet_clock_sync_enabled");
            conf.sync();
            QProcess tarvik;
            const auto guard = ended(tarvik);
            start(tarvik, env);
            QVERIFY(tarvik.state() == QProcess::Running);
            QTest::qWait(int(QRandomGenerator::global()->bounded(qMax(1, startMs))));
            ::kill(pid_t(tarvik.processId()), SIGKILL);
            QVERIFY(tarvik.waitForFinished());
            // Whole files at every moment: the old content or the new one.
            QSettings after(saveData + "/global.conf", QSettings::IniFormat);
            QCOMPARE(after.status(), QSettings::NoError);
            QVERIFY(after.contains("startup_app_id"));
            QCOMPARE(readAll(saveData + "/badges.conf"), badges);
        }

        QProcess tarvik;
        const auto guard = ended(tarvik);
        start(tarvik, env);
        QVERIFY2(waitForLog(tarvik, "call allAppsLoaded"), qPrintable(m_log));
        QVERIFY(stopAsTheServiceDoes(tarvik));
        QSettings conf(saveData + "/global.conf", QSettings::IniFormat);
        QCOMPARE(conf.value("internet_clock_sync_enabled").toString(), QString("true"));
        QCOMPARE(readAll(saveData + "/badges.conf"), badges);
        const QStringList history = QString::fromUtf8(readAll(saveData + "/version_history")).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!history.isEmpty());
        for (const QString &line : history)
            QVERIFY2(QRegularExpression("^\\S+ \\S+$").match(line).hasMatch(), qPrintable(line));
        QVERIFY(history.last().endsWith(' ' + versions.last()));
        // Nothing but the saved files themselves.
        QStringList left;
        QDirIterator it(saveData, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        while (it.hasNext())
            left << QFileInfo(it.next()).fileName();
        left.sort();
        QCOMPARE(left, QStringList({"badges.conf", "global.conf", "version_history"}));
    }

    // The restart limit catches a shell that fails at once: the limit's
    // starts, with the pause before each, fall inside its interval. What a
    // start takes on this machine is printed beside it.
    void crashLoopStopsAtTheLimit()
    {
        const QMap<QString, QString> unit = unitFile(kUnit);
        QCOMPARE(unit.value("Service/Restart"), QString("on-failure"));
        QCOMPARE(unit.value("Service/KillSignal"), QString("SIGTERM"));
        QCOMPARE(unit.value("Service/WorkingDirectory"), QString("/opt/tarvik/bin"));
        const int burst = unit.value("Unit/StartLimitBurst").toInt();
        const int interval = unit.value("Unit/StartLimitIntervalSec").toInt();
        const int pause = unit.value("Service/RestartSec").toInt();
        QVERIFY(burst >= 2 && interval > 0 && pause > 0);
        QVERIFY2(burst * pause < interval, "a crash loop would outrun the start limit and never stop");

        // A shell killed once every app has loaded ends as a crash, which is
        // what Restart=on-failure restarts.
        QTemporaryDir rootfs;
        QElapsedTimer clock;
        clock.start();
        QProcess tarvik;
        const auto guard = ended(tarvik);
        start(tarvik, serviceEnvironment(rootfs.path(), "offscreen"));
        QVERIFY2(waitForLog(tarvik, "call allAppsLoaded"), qPrintable(m_log));
        const double lifeSeconds = clock.elapsed() / 1000.0;
        ::kill(pid_t(tarvik.processId()), SIGKILL);
        QVERIFY(tarvik.waitForFinished());
        QCOMPARE(tarvik.exitStatus(), QProcess::CrashExit);
        qInfo("the limit: %d starts in %d s; %d starts %d s apart of a shell failing once loaded (%.1f s here) "
              "take %.1f s",
              burst, interval, burst, pause, lifeSeconds, burst * (pause + lifeSeconds));
    }
};

QTEST_GUILESS_MAIN(TestService)
#include "tst_service.moc"
