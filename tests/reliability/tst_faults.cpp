// Faults in the apps directory and in the saved data. Plug-in faults run the
// app manager in-process; configuration faults run one whole configuration
// start in a child process (tests/reliability/faultprobe.cpp), which can be
// denied file permissions or given a file-size limit first. Every case checks
// that the start completes, that defaults stand in for what could not be read,
// and that nothing outside the saved-data directory changed.
#include "appmanager.h"
#include "childprogram.h"
#include "logcapture.h"
#include "warningguard.h"

#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

#include <cstring>
#include <elf.h>

namespace {

const QString kDefaultApp = QStringLiteral("com.ostrelle.veltra.Home");
const QString kKeptApp = QStringLiteral("com.example.Kept");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray junk(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// Every entry under `dir` (links not followed) with its kind and content.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isSymLink())
            entries.insert(info.filePath(), "link:" + info.symLinkTarget().toUtf8());
        else if (info.isDir())
            entries.insert(info.filePath(), "dir");
        else
            entries.insert(info.filePath(), readFile(info.filePath()));
    }
    return entries;
}

struct ProbeResult
{
    int exitCode = -1;
    QMap<QString, QString> values;
    QStringList badges;
    QString log;
};

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_base;

    QString rootfs() const { return m_base->path() + "/rootfs"; }
    QString saveData() const { return rootfs() + "/opt/save_data"; }
    QString outside() const { return m_base->path() + "/outside"; }
    QString emptyApps() const { return m_base->path() + "/apps"; }

    ProbeResult probe(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELTRA_ROOTFS", rootfs());
        env.remove("VELTRA_DEVICE_FILE");
        process.setProcessEnvironment(env);
        veltra::test::startProgram(process, VELTRA_FAULTPROBE, arguments);
        ProbeResult result;
        if (!process.waitForFinished(veltra::test::timeout(60000))) {
            process.kill();
            process.waitForFinished();
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.log = QString::fromUtf8(process.readAllStandardError());
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            if (line.startsWith("badge:"))
                result.badges.append(QUrl::fromPercentEncoding(line.section('=', 0, 0).mid(6).toUtf8()) + '='
                                     + QUrl::fromPercentEncoding(line.section('=', 1).toUtf8()));
            else
                result.values.insert(line.section('=', 0, 0), line.section('=', 1));
        }
        return result;
    }

    // Files outside the saved-data directory that a link inside it points at.
    void placeOutsideFiles()
    {
        writeFile(outside() + "/report.csv", "channel,pa\nA,50\n");
        writeFile(outside() + "/dir/inner.txt", "inner");
        QDir().mkpath(saveData());
        QVERIFY(QFile::link(outside() + "/report.csv", saveData() + "/linked_report.csv"));
        QVERIFY(QFile::link(outside() + "/dir", saveData() + "/linked_dir"));
    }

private slots:
    void initTestCase()
    {
        veltra::test::startLogCapture();
        veltra::test::installWarningGuard();
    }

    void init()
    {
        m_base = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(emptyApps()));
        qputenv("VELTRA_ROOTFS", rootfs().toUtf8());
        veltra::test::clearCapturedLog();
    }

    void cleanup()
    {
        // Read-only directories must be writable again for the clean-up.
        QDirIterator it(m_base->path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString warnings = veltra::test::takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    }

    // Each faulty plug-in is skipped with a log line naming it, and the good
    // apps beside them are listed as usual.
    void pluginFaultsAreSkippedAndTheRestWork()
    {
        const QString apps = m_base->path() + "/plugins";
        QVERIFY(QDir().mkpath(apps));
        QVERIFY(QFile::copy(VELTRA_FIXTURE_DIR "/libalpha.so", apps + "/libalpha.so"));
        QVERIFY(QFile::copy(VELTRA_STAGE_APPS_DIR "/liblumvar.so", apps + "/liblumvar.so"));
        QVERIFY(QFile::copy(VELTRA_FIXTURE_DIR "/libbadtypes.so", apps + "/libbadtypes.so"));
        QVERIFY(QFile::copy(VELTRA_NOMETADATA_FILE, apps + "/libnometadata.so"));

        // Another machine's library: the home app with its ELF machine changed.
        QByteArray elf = readFile(VELTRA_STAGE_APPS_DIR "/libhomeapp.so");
        QVERIFY(elf.startsWith(ELFMAG));
        const auto *header = reinterpret_cast<const Elf64_Ehdr *>(elf.constData());
        const Elf64_Half foreign = header->e_machine == EM_AARCH64 ? EM_X86_64 : EM_AARCH64;
        std::memcpy(elf.data() + offsetof(Elf64_Ehdr, e_machine), &foreign, sizeof foreign);
        writeFile(apps + "/libforeign.so", elf);

        // 200 files that are no plug-ins: random bytes, ELF headers with
        // random bodies, text and empty files, under names that look like libraries.
        QStringList junkFiles;
        for (int i = 0; i < 200; ++i) {
            QByteArray content;
            switch (i % 4) {
            case 0: content = junk(4096 + i, quint32(i)); break;
            case 1: content = elf.left(64) + junk(2048, quint32(i)); break;
            case 2: content = QByteArray("not a library ").repeated(i + 1); break;
            case 3: break;
            }
            const QString name = apps + QString("/libjunk%1.so%2").arg(i, 3, 10, QChar('0')).arg(i % 3 ? "" : ".1");
            writeFile(name, content);
            junkFiles.append(name);
        }

        AppManager manager(apps, QString());
        QStringList listed;
        for (const QVariant &record : manager.appMetadataList().toList())
            listed.append(record.toMap().value("id").toString());
        listed.sort();
        QCOMPARE(listed, QStringList({"com.ostrelle.veltra.Alpha", "com.ostrelle.veltra.Lumvar"}));

        const QStringList log = veltra::test::capturedLog();
        const QStringList skipped = log.filter("AppManager::discover() skipped");
        for (const QString &file : junkFiles + QStringList({apps + "/libforeign.so", apps + "/libnometadata.so",
                                                           apps + "/libbadtypes.so"}))
            QVERIFY2(!skipped.filter(QFileInfo(file).fileName() + "\"").isEmpty(), qPrintable(file));
        QVERIFY(!skipped.filter("libnometadata.so\" : its metadata has no \"MetaData\" record").isEmpty());
        QVERIFY(!log.contains("NoMetaDataApp::registerTypes()"));
        QVERIFY(log.contains("LumvarApp::registerTypes()"));
    }

    void configurationFileFaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fault");
        for (const char *file : {"global.conf", "badges.conf"}) {
            for (const char *fault : {"empty", "garbage", "huge", "read-only", "directory", "fifo", "link"})
                QTest::newRow(qPrintable(QString("%1 %2").arg(file, fault))) << QString(file) << QString(fault);
        }
    }
    void configurationFileFaults()
    {
        QFETCH(QString, file);
        QFETCH(QString, fault);
        writeFile(saveData() + "/global.conf", "[General]\nhome_app_id=" + kKeptApp.toUtf8() + "\n");
        writeFile(saveData() + "/badges.conf", "[General]\ncom.ostrelle.veltra.Gauge=2\n");
        placeOutsideFiles();
        const QString path = saveData() + "/" + file;
        QStringList arguments;
        if (fault == "empty") {
            writeFile(path, QByteArray());
        } else if (fault == "garbage") {
            static const char garbage[] = "\x00\xff[[[=\n==\n\xc3(\n[General\nhome_app_id\n";
            writeFile(path, QByteArray(garbage, sizeof(garbage) - 1) + junk(4096, 7));
        } else if (fault == "huge") {
            writeFile(path, junk(10 * 1024 * 1024, 11));
        } else if (fault == "read-only") {
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
            arguments << "--no-file-override";
        } else if (fault == "directory") {
            QVERIFY(QFile::remove(path));
            writeFile(path + "/inside.txt", "kept");
        } else if (fault == "fifo") {
            QVERIFY(QFile::remove(path));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        } else if (fault == "link") {
            // To a file of the system outside the saved data: never read,
            // never written through.
            writeFile(outside() + "/system.conf", "[General]\nhome_app_id=com.example.Outside\n");
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::link(outside() + "/system.conf", path));
        }
        const QByteArray before = fault == "fifo" ? QByteArray() : readFile(path);
        const auto outsideBefore = snapshot(outside());

        const ProbeResult result = probe(arguments << emptyApps() << "com.ostrelle.veltra.Alpha=7");
        QVERIFY2(result.exitCode == 0, qPrintable(result.log));
        // Whatever the file's state, the badge set now is there for the rest of the run.
        QVERIFY2(result.badges.contains("com.ostrelle.veltra.Alpha=7"), qPrintable(result.badges.join(", ")));
        const bool globalReadable = file != "global.conf" || fault == "read-only";
        if (fault == "fifo" || fault == "link") {
            // Read as absent, and replaced by a regular file at the first write.
            QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
        }
        QCOMPARE(result.values.value("home"), globalReadable ? kKeptApp : kDefaultApp);
        QCOMPARE(result.values.value("startup"), kDefaultApp);
        QCOMPARE(result.values.value("single"), QString("false"));
        if (file == "badges.conf" && fault == "read-only")
            QVERIFY(result.badges.contains("com.ostrelle.veltra.Gauge=2"));

        if (fault == "read-only")
            QCOMPARE(readFile(path), before);
        if (fault == "directory")
            QCOMPARE(readFile(path + "/inside.txt"), QByteArray("kept"));
        QCOMPARE(snapshot(outside()), outsideBefore);
        QVERIFY(QFileInfo(saveData() + "/linked_report.csv").isSymLink());
    }

    void savedDataDirectoryFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing") << "missing";
        QTest::newRow("read-only") << "read-only";
        QTest::newRow("full file system") << "full";
    }
    void savedDataDirectoryFaults()
    {
        QFETCH(QString, fault);
        const QByteArray global = "[General]\nhome_app_id=" + kKeptApp.toUtf8() + "\nstartup_app_id=" + kKeptApp.toUtf8()
                                 + "\ninternet_clock_sync_enabled=true\n";
        const QByteArray badges = "[General]\ncom.ostrelle.veltra.Gauge=2\ncom.ostrelle.veltra.Home=5\n";
        QStringList arguments;
        if (fault != "missing") {
            writeFile(saveData() + "/global.conf", global);
            writeFile(saveData() + "/badges.conf", badges);
            placeOutsideFiles();
        } else {
            writeFile(outside() + "/report.csv", "channel,pa\n");
        }
        if (fault == "read-only") {
            QVERIFY(QFile::setPermissions(saveData(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            arguments << "--no-file-override";
        } else if (fault == "full") {
            // Room for what is there, not for a 10 kB badge.
            arguments << "--file-size-limit" << QString::number(badges.size() + 512);
        }
        const auto outsideBefore = snapshot(outside());

        const QString big(10 * 1024, QChar('x'));
        const ProbeResult result = probe(arguments << emptyApps() << "com.ostrelle.veltra.Big=" + big);
        QVERIFY2(result.exitCode == 0, qPrintable(result.log));
        QVERIFY(result.badges.contains("com.ostrelle.veltra.Big=" + big));
        QCOMPARE(snapshot(outside()), outsideBefore);

        if (fault == "missing") {
            // Created, with the defaults and the badge written.
            QCOMPARE(result.values.value("home"), kDefaultApp);
            QVERIFY(readFile(saveData() + "/global.conf").contains("startup_app_id=" + kDefaultApp.toUtf8()));
            QVERIFY(readFile(saveData() + "/badges.conf").contains(big.toUtf8()));
            return;
        }
        QCOMPARE(result.values.value("home"), kKeptApp);
        // What could not be written is not half-written: the saved files are as they were.
        QCOMPARE(readFile(saveData() + "/global.conf"), global);
        // On a full file system too: the badge store checks what it wrote
        // before it replaces badges.conf, so no badge after a cut is lost.
        QCOMPARE(readFile(saveData() + "/badges.conf"), badges);
        // No temporary file of the badge store is left behind.
        QCOMPARE(QDir(saveData()).entryList(QDir::Files | QDir::Hidden).filter(".badges.conf."), QStringList());
        QVERIFY(result.values.value("settings").toInt() == 0 || fault == "read-only");

        // The next start, with room again, still finds every badge.
        QFile::setPermissions(saveData(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const ProbeResult next = probe({emptyApps()});
        QVERIFY2(next.exitCode == 0, qPrintable(next.log));
        QCOMPARE(next.badges, QStringList({"com.ostrelle.veltra.Gauge=2", "com.ostrelle.veltra.Home=5"}));
    }

    // version_history a FIFO, a link to a file outside or to an endless
    // device, huge: every start completes, nothing outside changes, and the
    // history becomes a regular file of its own. A version with line breaks,
    // control characters or a great length goes in as one short line.
    void versionHistoryShapes_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("line");
        for (const char *shape : {"fifo", "link", "endless", "huge", "regular"})
            QTest::newRow(shape) << QString(shape) << QByteArray("2.0.1") << QByteArray("2.0.1");
        QTest::newRow("forged lines") << "regular" << QByteArray("1.1\n2026-01-01T00:00:00Z 9.9\r\x1b[31m")
                                      << QByteArray("1.1 2026-01-01T00:00:00Z 9.9 [31m");
        QTest::newRow("long") << "regular" << QByteArray(300, '7') << QByteArray(64, '7');
    }
    void versionHistoryShapes()
    {
        QFETCH(QString, shape);
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, line);
        const QString path = saveData() + "/version_history";
        writeFile(outside() + "/history.txt", "2025-01-01T00:00:00Z 0.9\n");
        QDir().mkpath(saveData());
        if (shape == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (shape == "link")
            QVERIFY(QFile::link(outside() + "/history.txt", path));
        else if (shape == "endless")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (shape == "huge")
            writeFile(path, QByteArray(8 * 1024 * 1024, 'x'));
        else
            writeFile(path, "2025-01-01T00:00:00Z 1.0\n");
        const auto outsideBefore = snapshot(outside());

        const ProbeResult result = probe({"--version", QString::fromUtf8(version), emptyApps()});
        QVERIFY2(result.exitCode == 0, qPrintable(result.log));
        QCOMPARE(snapshot(outside()), outsideBefore);
        const QFileInfo history(path);
        QVERIFY(history.isFile() && !history.isSymLink());
        const QList<QByteArray> lines = readFile(path).split('\n');
        QCOMPARE(lines.last(), QByteArray());
        const QByteArray last = lines.at(lines.size() - 2);
        QCOMPARE(last.mid(last.indexOf(' ') + 1), line);
        QCOMPARE(lines.size(), shape == "regular" ? 3 : 2);
    }

    // Temporary files of a process that was killed go at the next start;
    // those of a process still running stay.
    void staleTemporariesAreRemoved()
    {
        QDir().mkpath(saveData());
        const QString dead = QString::number(0x7ffffff0);
        const QString alive = QString::number(QCoreApplication::applicationPid());
        const QStringList stale = {".badges.conf." + dead + ".a1B2c3.tmp", ".global.conf." + dead + ".x9Y8z7.tmp",
                                   ".global.conf." + dead + ".x9Y8z7.tmp.lock", ".badges.conf.Ab12Cd",
                                   ".badges.conf.Ab12Cd.check", "badges.conf.lock"};
        const QStringList kept = {".badges.conf." + alive + ".q1W2e3.tmp", "report.txt", ".badges.conf.tmp"};
        for (const QString &name : stale + kept)
            writeFile(saveData() + "/" + name, "x");
        // Those without a process id in their name go once they are a minute old.
        for (const QString &name : stale) {
            QFile file(saveData() + "/" + name);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        }
        const ProbeResult result = probe({emptyApps()});
        QVERIFY2(result.exitCode == 0, qPrintable(result.log));
        for (const QString &name : stale)
            QVERIFY2(!QFileInfo::exists(saveData() + "/" + name), qPrintable(name));
        for (const QString &name : kept)
            QVERIFY2(QFileInfo::exists(saveData() + "/" + name), qPrintable(name));
    }

    // Two shells on one saved-data directory, each setting 40 badges at the
    // same time: all 80 are in the file afterwards.
    void twoShellsLoseNoBadge()
    {
        QDir().mkpath(saveData());
        auto badges = [](const QString &shell) {
            QStringList list;
            for (int i = 0; i < 40; ++i)
                list << QString("com.example.%1%2=%3").arg(shell).arg(i).arg(i);
            return list;
        };
        QProcess first;
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELTRA_ROOTFS", rootfs());
        for (QProcess *p : {&first, &second})
            p->setProcessEnvironment(env);
        veltra::test::startProgram(first, VELTRA_FAULTPROBE, QStringList{emptyApps()} + badges("A"));
        veltra::test::startProgram(second, VELTRA_FAULTPROBE, QStringList{emptyApps()} + badges("B"));
        QVERIFY(first.waitForFinished(veltra::test::timeout(60000)));
        QVERIFY(second.waitForFinished(veltra::test::timeout(60000)));
        QSettings file(saveData() + "/badges.conf", QSettings::IniFormat);
        QStringList expected = badges("A") + badges("B");
        QStringList found;
        for (const QString &key : file.allKeys())
            found << key + "=" + file.value(key).toString();
        expected.sort();
        found.sort();
        QCOMPARE(found, expected);
    }

    void resetMarkerShapes_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<bool>("resets");
        QTest::newRow("regular file") << "file" << true;
        QTest::newRow("directory") << "directory" << false;
        QTest::newRow("link to a file outside") << "link" << false;
    }
    void resetMarkerShapes()
    {
        QFETCH(QString, shape);
        QFETCH(bool, resets);
        writeFile(saveData() + "/global.conf", "[General]\nhome_app_id=" + kKeptApp.toUtf8() + "\n");
        writeFile(saveData() + "/badges.conf", "[General]\ncom.ostrelle.veltra.Gauge=2\n");
        placeOutsideFiles();
        const QString marker = saveData() + "/delete_on_reboot";
        if (shape == "file")
            writeFile(marker, "");
        else if (shape == "directory")
            writeFile(marker + "/inside.txt", "");
        else
            QVERIFY(QFile::link(outside() + "/report.csv", marker));
        const auto outsideBefore = snapshot(outside());

        const ProbeResult result = probe({emptyApps()});
        QVERIFY2(result.exitCode == 0, qPrintable(result.log));
        QCOMPARE(result.values.value("reset"), QString(resets ? "yes" : "no"));
        QCOMPARE(result.values.value("home"), resets ? kDefaultApp : kKeptApp);
        QCOMPARE(result.badges, resets ? QStringList() : QStringList({"com.ostrelle.veltra.Gauge=2"}));
        QCOMPARE(QFileInfo::exists(saveData() + "/linked_report.csv"), !resets);
        // Links inside the saved data are removed, never followed.
        QCOMPARE(snapshot(outside()), outsideBefore);
    }
};

QTEST_GUILESS_MAIN(TestFaults)

#include "tst_faults.moc"
