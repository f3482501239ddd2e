// The global configuration and the saved-data directory: reset marker,
// defaults, reading, and what bad files do.
#include "globalconfig.h"
#include "rootfs.h"
#include "warningguard.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestGlobalConfig : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;

    QString saveData() const { return m_root->path() + "/opt/save_data"; }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    static QStringList keysInFile(const QString &path)
    {
        QSettings ini(path, QSettings::IniFormat);
        QStringList keys = ini.allKeys();
        keys.sort();
        return keys;
    }

    // Open, default, read: steps 7 to 9 of start-up, then flush to disk.
    static StartupSettings startUp()
    {
        std::unique_ptr<QSettings> settings = GlobalConfig::open();
        GlobalConfig::writeDefaults(*settings);
        StartupSettings s = GlobalConfig::read(*settings);
        settings->sync();
        return s;
    }

private slots:
    void initTestCase() { veltra::test::installWarningGuard(); }
    void cleanup()
    {
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        qputenv("VELTRA_ROOTFS", m_root->path().toUtf8());
    }

    void rootfsStaysInsideItsRoot_data()
    {
        QTest::addColumn<QString>("devicePath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("file") << "/opt/save_data/global.conf" << "/opt/save_data/global.conf";
        QTest::newRow("trailing slash kept") << "/opt/save_data/" << "/opt/save_data/";
        QTest::newRow("dot-dot cannot climb out") << "/opt/../../../etc/passwd" << "/etc/passwd";
        QTest::newRow("relative is taken from the root") << "opt/x" << "/opt/x";
        QTest::newRow("doubled slashes") << "//opt//save_data" << "/opt/save_data";
    }
    void rootfsStaysInsideItsRoot()
    {
        QFETCH(QString, devicePath);
        QFETCH(QString, expected);
        QCOMPARE(veltra::rootfs(devicePath), m_root->path() + expected);
    }

    void rootfsNeverMapsOntoTheRealRoot()
    {
        for (const QByteArray &value : {QByteArray("/"), QByteArray("//"), QByteArray("")}) {
            qputenv("VELTRA_ROOTFS", value);
            const QString mapped = veltra::rootfs("/opt/save_data/global.conf");
            QVERIFY2(!mapped.startsWith("/opt/"), qPrintable(mapped));
            QVERIFY(mapped.endsWith("/opt/save_data/global.conf"));
        }
    }

    void resetMarkerRegularFileClearsSavedData()
    {
        writeFile(saveData() + "/delete_on_reboot", "");
        writeFile(saveData() + "/badges.conf", "[General]\nx=1\n");
        writeFile(saveData() + "/screenshots/a.png", "png");
        writeFile(saveData() + "/global.conf", "[General]\nhome_app_id=com.example.Other\n");

        QVERIFY(GlobalConfig::resetIfRequested());
        QVERIFY(!QFileInfo::exists(saveData()));

        // A start after the reset recreates the configuration with exactly the two defaults.
        const StartupSettings s = startUp();
        QCOMPARE(keysInFile(GlobalConfig::filePath()),
                 QStringList({"internet_clock_sync_enabled", "startup_app_id"}));
        QSettings ini(GlobalConfig::filePath(), QSettings::IniFormat);
        QCOMPARE(ini.value("startup_app_id").toString(), QString("com.ostrelle.veltra.Home"));
        QCOMPARE(ini.value("internet_clock_sync_enabled").toString(), QString("true"));
        QCOMPARE(s.homeAppId, QString("com.ostrelle.veltra.Home"));
    }

    void resetMarkerThatIsNotAFileIsIgnored_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("link to a file") << "link";
        QTest::newRow("absent") << "absent";
    }
    void resetMarkerThatIsNotAFileIsIgnored()
    {
        QFETCH(QString, kind);
        writeFile(saveData() + "/global.conf", "[General]\nhome_app_id=kept\n");
        const QString marker = saveData() + "/delete_on_reboot";
        if (kind == "directory") {
            QVERIFY(QDir().mkpath(marker));
        } else if (kind == "link") {
            writeFile(m_root->path() + "/elsewhere/marker", "");
            QVERIFY(QFile::link(m_root->path() + "/elsewhere/marker", marker));
        }
        QVERIFY(!GlobalConfig::resetIfRequested());
        QVERIFY(QFileInfo::exists(saveData() + "/global.conf"));
    }

    void resetKeepsFilesBehindLinksOutsideSavedData()
    {
        QTemporaryDir outside;
        writeFile(outside.path() + "/precious/report.csv", "data");
        writeFile(outside.path() + "/single.txt", "also data");
        writeFile(saveData() + "/delete_on_reboot", "");
        QVERIFY(QFile::link(outside.path() + "/precious", saveData() + "/linked_dir"));
        QVERIFY(QFile::link(outside.path() + "/single.txt", saveData() + "/linked_file"));

        QVERIFY(GlobalConfig::resetIfRequested());
        QVERIFY(!QFileInfo::exists(saveData() + "/linked_dir"));
        QVERIFY(QFileInfo::exists(outside.path() + "/precious/report.csv"));
        QVERIFY(QFileInfo::exists(outside.path() + "/single.txt"));
    }

    // On a device the saved-data directory is often a link to a data
    // partition: the reset clears what the partition holds and keeps the link,
    // and removes links found inside without following them.
    void resetThroughALinkedSavedDataDirectory()
    {
        QTemporaryDir partition;
        QTemporaryDir outside;
        const QString data = partition.path();
        writeFile(data + "/delete_on_reboot", "");
        writeFile(data + "/global.conf", "[General]\nhome_app_id=com.example.Other\n");
        writeFile(data + "/badges.conf", "[General]\nx=1\n");
        writeFile(data + "/screenshots/a.png", "png");
        writeFile(data + "/.hidden", "h");
        writeFile(outside.path() + "/precious/report.csv", "data");
        QVERIFY(QFile::link(outside.path() + "/precious", data + "/linked_dir"));
        QVERIFY(QFile::link(outside.path() + "/precious/report.csv", data + "/linked_file"));
        QVERIFY(QDir().mkpath(m_root->path() + "/opt"));
        QVERIFY(QFile::link(data, saveData()));

        QVERIFY(GlobalConfig::resetIfRequested());
        QVERIFY(QFileInfo(saveData()).isSymLink());
        QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList());
        QVERIFY(QFileInfo::exists(outside.path() + "/precious/report.csv"));
        // The next start writes a fresh configuration into the partition.
        QCOMPARE(startUp().homeAppId, QString("com.ostrelle.veltra.Home"));
        QVERIFY(QFileInfo::exists(data + "/global.conf"));
    }

    // A link that would take more than the saved data with it is not followed.
    void resetRefusesALinkToAnAncestor()
    {
        writeFile(m_root->path() + "/opt/delete_on_reboot", "");
        writeFile(m_root->path() + "/opt/other/keep.txt", "data");
        QVERIFY(QFile::link(m_root->path() + "/opt", saveData()));
        QVERIFY(!GlobalConfig::resetIfRequested());
        QVERIFY(QFileInfo::exists(m_root->path() + "/opt/other/keep.txt"));
    }

    // Nor a link to the program's or the system's own directories.
    void resetRefusesALinkToTheSystem_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("the program's directory") << "/opt/tarvik";
        QTest::newRow("the apps") << "/opt/veltra/apps";
        QTest::newRow("etc") << "/etc";
        QTest::newRow("var itself") << "/var";
    }
    void resetRefusesALinkToTheSystem()
    {
        QFETCH(QString, target);
        const QString dir = m_root->path() + target;
        writeFile(dir + "/delete_on_reboot", "");
        writeFile(dir + "/tarvik", "the program");
        QVERIFY(QDir().mkpath(m_root->path() + "/opt"));
        QVERIFY(QFile::link(dir, saveData()));
        QVERIFY(!GlobalConfig::resetIfRequested());
        QVERIFY(QFileInfo::exists(dir + "/tarvik"));
    }

    // A file system mounted inside the saved data (a memory card) is left
    // alone. Needs the right to mount (root).
    void resetLeavesMountsAlone()
    {
        QTemporaryDir card;
        writeFile(card.path() + "/readings.csv", "data");
        writeFile(saveData() + "/delete_on_reboot", "");
        QVERIFY(QDir().mkpath(saveData() + "/card"));
        QProcess mount;
        mount.start("mount", {"--bind", card.path(), saveData() + "/card"});
        if (!mount.waitForFinished() || mount.exitCode() != 0)
            QSKIP("no bind mount here (needs root and a mount namespace that allows it)");
        auto unmount = qScopeGuard([&] { QProcess::execute("umount", {saveData() + "/card"}); });
        QVERIFY(GlobalConfig::resetIfRequested());
        QVERIFY(QFileInfo::exists(card.path() + "/readings.csv"));
    }

    // A value with a comma is the text it holds, not a list.
    void valuesAreReadAsPlainText_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("screenshotDir");
        QTest::newRow("comma and blank") << QByteArray("/data/shots, 2026") << "/data/shots, 2026";
        QTest::newRow("comma alone") << QByteArray("a,b") << "a,b";
        QTest::newRow("blanks around commas") << QByteArray("a , b ,c") << "a , b ,c";
        QTest::newRow("quoted") << QByteArray("\"x, y\"") << "x, y";
        QTest::newRow("comment after a list") << QByteArray("p,q ; note") << "p,q";
        QTest::newRow("escapes") << QByteArray("C:\\\\shots, \\\"new\\\"") << "C:\\shots, \"new\"";
        QTest::newRow("trailing comma") << QByteArray("/x,") << "/x,";
        QTest::newRow("UTF-8") << QByteArray("/data/Gr\xc3\xb6\xc3\x9f" "e") << QString::fromUtf8("/data/Größe");
        QTest::newRow("UTF-8 and comma") << QByteArray("/\xe4\xb8\xad, 2") << QString::fromUtf8("/中, 2");
        QTest::newRow("typed form") << QByteArray("@Rect(1 2 3 4)") << "@Rect(1 2 3 4)";
    }
    void valuesAreReadAsPlainText()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, screenshotDir);
        writeFile(GlobalConfig::filePath(), "[General]\nscreenshot_dir=" + line + "\napps_dir=" + line
                                                + "\nhome_app_id=" + line + "\nstartup_app_id=" + line + "\n");
        // The second start reads what the first one wrote back (it stored a
        // default, which rewrites the file).
        for (int start = 0; start < 2; ++start) {
            const StartupSettings s = startUp();
            QCOMPARE(s.screenshotDir, screenshotDir);
            QCOMPARE(s.appsDir, screenshotDir);
            QCOMPARE(s.homeAppId, screenshotDir);
            QCOMPARE(s.startupAppId, screenshotDir);
        }
    }

    void defaultsAreWrittenOnceAndOnlyWhenAbsent()
    {
        writeFile(GlobalConfig::filePath(),
                  "[General]\nstartup_app_id=com.ostrelle.veltra.Lumvar\ninternet_clock_sync_enabled=false\n");
        startUp();
        QSettings ini(GlobalConfig::filePath(), QSettings::IniFormat);
        QCOMPARE(ini.value("startup_app_id").toString(), QString("com.ostrelle.veltra.Lumvar"));
        QCOMPARE(ini.value("internet_clock_sync_enabled").toString(), QString("false"));
        QCOMPARE(keysInFile(GlobalConfig::filePath()).size(), 2);
    }

    void emptyStartupAppIdIsKept()
    {
        const QByteArray content = "[General]\nstartup_app_id=\ninternet_clock_sync_enabled=true\n";
        writeFile(GlobalConfig::filePath(), content);
        const StartupSettings s = startUp();
        QCOMPARE(s.startupAppId, QString());
        QFile f(GlobalConfig::filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }

    void defaultsWithoutAFile()
    {
        const StartupSettings s = startUp();
        QCOMPARE(s.appsDir, QString("..\\..\\veltra\\apps"));
        QCOMPARE(s.homeAppId, QString("com.ostrelle.veltra.Home"));
        QCOMPARE(s.startupAppId, QString("com.ostrelle.veltra.Home"));
        QCOMPARE(s.singleAppMode, QString("false"));
        QCOMPARE(s.screenshotDir, m_root->path() + "/opt/save_data/screenshots");
        QCOMPARE(GlobalConfig::appFilter(s), QString());
    }

    void screenshotDirFromTheFileIsUsedUnmapped()
    {
        writeFile(GlobalConfig::filePath(), "[General]\nscreenshot_dir=/media/usb/shots\n");
        QCOMPARE(startUp().screenshotDir, QString("/media/usb/shots"));
    }

    void singleAppModeFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("filters");
        QTest::newRow("true") << "true" << true;
        QTest::newRow("True") << "True" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("false") << "false" << false;
        QTest::newRow("empty") << "" << false;
    }
    void singleAppModeFilter()
    {
        QFETCH(QString, text);
        QFETCH(bool, filters);
        writeFile(GlobalConfig::filePath(),
                  "[General]\nstartup_app_id=com.ostrelle.veltra.Lumvar\nsingle_app_mode=" + text.toUtf8() + "\n");
        const StartupSettings s = startUp();
        QCOMPARE(s.singleAppMode, text);
        QCOMPARE(GlobalConfig::appFilter(s), filters ? QString("com.ostrelle.veltra.Lumvar") : QString());
    }

    void appsDirDefaultResolvesFromTheWorkingDirectory()
    {
        // The device layout: program in opt/tarvik/bin, apps in opt/veltra/apps.
        QVERIFY(QDir().mkpath(m_root->path() + "/stage/opt/tarvik/bin"));
        QVERIFY(QDir().mkpath(m_root->path() + "/stage/opt/veltra/apps"));
        writeFile(m_root->path() + "/stage/opt/veltra/apps/libexample.so", "x");
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_root->path() + "/stage/opt/tarvik/bin"));
        const QDir apps(GlobalConfig::appsDirPath(startUp().appsDir));
        const bool found = apps.exists("libexample.so");
        QDir::setCurrent(previous);
        QVERIFY2(found, qPrintable(apps.absolutePath()));
    }

    void iconDirUrlIsPlainConcatenation_data()
    {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("url");
        QTest::newRow("windows") << "C:/x/bin" << "file:///C:/x/bin/../../veltra/icons/";
        QTest::newRow("device") << "/x/bin" << "file:////x/bin/../../veltra/icons/";
    }
    void iconDirUrlIsPlainConcatenation()
    {
        QFETCH(QString, programDir);
        QFETCH(QString, url);
        QCOMPARE(GlobalConfig::iconDirUrl(programDir), url);
    }

    void badFilesGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x00\xff\x13[[[=\n==\n\xc3(", 12);
        QTest::newRow("binary") << QByteArray(4096, '\x01');
    }
    void badFilesGiveDefaults()
    {
        QFETCH(QByteArray, content);
        writeFile(GlobalConfig::filePath(), content);
        const StartupSettings s = startUp();
        QCOMPARE(s.homeAppId, QString("com.ostrelle.veltra.Home"));
        QCOMPARE(s.singleAppMode, QString("false"));
        QCOMPARE(s.appsDir, QString("..\\..\\veltra\\apps"));
    }

    void directoryInPlaceOfTheFileGivesDefaults()
    {
        QVERIFY(QDir().mkpath(GlobalConfig::filePath()));
        const StartupSettings s = startUp();
        QCOMPARE(s.startupAppId, QString("com.ostrelle.veltra.Home"));
        QVERIFY(QFileInfo(GlobalConfig::filePath()).isDir());
    }

    void unwritableSavedDataKeepsDefaultsInMemory()
    {
        // "opt" is a file, so the saved-data directory cannot be created.
        writeFile(m_root->path() + "/opt", "not a directory");
        const StartupSettings s = startUp();
        QCOMPARE(s.startupAppId, QString("com.ostrelle.veltra.Home"));
        QVERIFY(QFileInfo(m_root->path() + "/opt").isFile());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestGlobalConfig test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_globalconfig.moc"
