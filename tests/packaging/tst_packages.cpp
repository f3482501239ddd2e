// The Debian packages as a device gets them: made by cpack from this build
// (the fixture packages_make), unpacked with dpkg -x into a scratch root that
// stands for the device's, and the installed shell, its apps and the SDK run
// from there, offscreen, with the device paths mapped into the scratch root
// (VELTRA_ROOTFS) and a power-off that only ends the shell. Last, the same
// start with everything read-only but /opt/save_data and no writable home.
//
// In a cross build (armhf) the packages are the device's: no SDK; the shell
// runs through the build's emulator, with the sysroot's Qt as the system's,
// and the sysroot's dpkg database (VELTRA_TARGET_DPKG_ADMINDIR) answers which
// package owns a library and what each package depends on.
#include "childprogram.h"
#include "environmentfile.h"
#include "warningguard.h"

#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kDebDir = QStringLiteral(VELTRA_PACKAGES_DIR);
const QString kVersion = QStringLiteral(VELTRA_PACKAGE_VERSION);
// The Debian architecture the build is for.
const QString kArchitecture = QStringLiteral(VELTRA_PACKAGE_ARCHITECTURE);
// The root of the system the packages are for ("" natively, the sysroot in a
// cross build), its dpkg database (empty: this machine's) and its multiarch
// library directory name.
const QString kTargetRoot = QStringLiteral(VELTRA_TARGET_ROOT);
const QString kTargetAdminDir = QStringLiteral(VELTRA_TARGET_DPKG_ADMINDIR);
const QString kLibraryArchitecture = QStringLiteral(VELTRA_LIBRARY_ARCHITECTURE);
const bool kCrossBuild = !kTargetRoot.isEmpty();
// Every package of the build, by name; the SDK runs on the development machine
// and is made by a native build only.
const QStringList kPackages = [] {
    QStringList packages = {QStringLiteral("tarvik"), QStringLiteral("lumvar"), QStringLiteral("sorvel"),
                            QStringLiteral("veltra-standin-apps")};
    if (!kCrossBuild)
        packages.append(QStringLiteral("veltra-dev"));
    return packages;
}();
// The app the host never lists (the SDK's preview shows it).
const QString kUnlistedApp = QStringLiteral("com.ostrelle.veltra.Sorvel");
// A user without rights to the scratch root's files, for the read-only start as root.
const uid_t kNobody = 65534;

struct Result
{
    int exitCode = -1;
    QString output;
};

Result execute(const QString &program, const QStringList &arguments, const QString &workingDirectory = QString(),
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(veltra::test::timeout(10000)))
        return {-1, program + ": " + process.errorString()};
    if (!process.waitForFinished(veltra::test::timeout(120000))) {
        process.kill();
        process.waitForFinished();
        return {-1, QString::fromLocal8Bit(process.readAll()) + "\n(timed out)"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

// dpkg-query for the system the packages are for.
Result dpkgQuery(const QStringList &arguments)
{
    QStringList all = arguments;
    if (!kTargetAdminDir.isEmpty())
        all.prepend("--admindir=" + kTargetAdminDir);
    return execute("dpkg-query", all);
}

// The ELF header fields that tell a machine's programs and libraries apart.
struct ElfKind
{
    int elfClass = 0; // 1: 32-bit, 2: 64-bit
    int machine = 0;  // e_machine
    quint32 flags = 0; // e_flags
    // The bits of e_flags that matter (armhf: the EABI version and the
    // hardware floating point calling convention).
    quint32 flagsMask = 0;

    // Whether a file of this kind runs on a system whose programs are `expected`.
    bool fits(const ElfKind &expected) const
    {
        return elfClass == expected.elfClass && machine == expected.machine
               && (flags & expected.flagsMask) == expected.flags;
    }
    QString text() const
    {
        return QString("class %1, machine %2, flags 0x%3").arg(elfClass).arg(machine).arg(flags, 0, 16);
    }
};

// A file's ELF kind; false for a file that is no ELF file (little endian only:
// every architecture below is).
bool readElfKind(const QString &file, ElfKind *kind)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = in.read(52);
    if (header.size() < 52 || !header.startsWith("\x7f" "ELF") || header.at(5) != 1)
        return false;
    auto word = [&header](int at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(header.at(at + i));
        return value;
    };
    kind->elfClass = header.at(4);
    kind->machine = int(word(18, 2));
    // e_flags follows e_entry, e_phoff and e_shoff: three words of the class's size.
    kind->flags = word(kind->elfClass == 2 ? 48 : 36, 4);
    return true;
}

// What the programs of a Debian architecture are.
const QHash<QString, ElfKind> kElfKinds = {
    {"amd64", {2, 62, 0, 0}},
    {"arm64", {2, 183, 0, 0}},
    {"i386", {1, 3, 0, 0}},
    // EABI version 5 (EF_ARM_EABI_VER5), EF_ARM_ABI_FLOAT_HARD.
    {"armhf", {1, 40, 0x05000400, 0xff000400}},
};

// "Key: value" fields of a package's control file, continuation lines joined.
QMap<QString, QString> readControlFields(const QString &deb)
{
    QMap<QString, QString> fields;
    QString key;
    for (const QString &line : execute("dpkg-deb", {"-f", deb}).output.split('\n')) {
        if (line.startsWith(' ') && !key.isEmpty()) {
            fields[key] += '\n' + line.mid(1);
        } else if (line.contains(':')) {
            key = line.section(':', 0, 0);
            fields.insert(key, line.section(':', 1).trimmed());
        }
    }
    return fields;
}

// The package names of a Depends field, every alternative, without versions or
// architecture qualifiers.
QStringList dependedNames(const QString &depends)
{
    QStringList names;
    for (const QString &item : depends.split(QRegularExpression("[,|]"), Qt::SkipEmptyParts)) {
        const QString name = item.trimmed().section(QRegularExpression("[ (:]"), 0, 0);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

// Every entry below `dir` (links not followed) by relative path, a file with
// its size and time: what a start wrote, added or removed shows as a
// difference (a directory's own time changes with what is added to it).
QMap<QString, QString> snapshot(const QString &dir)
{
    QMap<QString, QString> entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        QString entry = "dir";
        if (info.isSymLink())
            entry = "link to " + info.symLinkTarget();
        else if (!info.isDir())
            entry = QString("file %1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
        entries.insert(QDir(dir).relativeFilePath(info.filePath()), entry);
    }
    return entries;
}

QStringList differences(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QStringList changed;
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (before.value(it.key()) != it.value())
            changed.append(it.key());
    }
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!after.contains(it.key()))
            changed.append(it.key() + " (removed)");
    }
    return changed;
}

// The files a running process has mapped: its program, libraries and plug-ins.
QSet<QString> mappedFiles(qint64 pid)
{
    QSet<QString> files;
    QFile maps(QString("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return files;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash > 0 && !line.endsWith("(deleted)"))
            files.insert(QString::fromLocal8Bit(line.mid(slash)));
    }
    return files;
}

// The installed packages of this machine, each with the names it depends on
// (every alternative) and the virtual packages it provides.
struct PackageDatabase
{
    QHash<QString, QStringList> depends;
    QHash<QString, QStringList> providers;
    QHash<QString, QString> architecture;
    // Every Debian system has these; nothing needs to depend on them.
    QStringList essential;

    // This machine's packages, or those of the database in `adminDir`.
    void load(const QString &adminDir = QString())
    {
        QStringList arguments = {"-W", "-f", "${db:Status-Abbrev}\t${Package}\t${Depends}, "
                                             "${Pre-Depends}\t${Provides}\t${Essential}\t${Architecture}\n"};
        if (!adminDir.isEmpty())
            arguments.prepend("--admindir=" + adminDir);
        const Result r = execute("dpkg-query", arguments);
        for (const QString &line : r.output.split('\n')) {
            const QStringList parts = line.split('\t');
            if (parts.size() < 6 || !parts[0].startsWith("ii"))
                continue;
            architecture.insert(parts[1], parts[5]);
            depends[parts[1]] += dependedNames(parts[2]);
            for (const QString &virtualName : dependedNames(parts[3]))
                providers[virtualName].append(parts[1]);
            if (parts[4] == "yes")
                essential.append(parts[1]);
        }
    }

    // The packages that `roots` bring along, themselves included, on a system
    // of the essential packages.
    QSet<QString> closure(const QStringList &roots) const
    {
        QSet<QString> seen;
        QStringList todo = roots + essential;
        while (!todo.isEmpty()) {
            const QString name = todo.takeLast();
            if (seen.contains(name))
                continue;
            seen.insert(name);
            todo += depends.value(name);
            todo += providers.value(name);
        }
        return seen;
    }
};

// The Debian packages owning `files` on the system the packages are for; a file
// no package owns (a cache, the locale archive, the emulator) is left out.
// Debian 12 ships libraries under /lib, which the loader maps by their /usr/lib
// path.
QMap<QString, QString> owners(const QSet<QString> &files)
{
    QMap<QString, QString> result;
    QStringList asked;
    for (const QString &file : files) {
        asked.append(file);
        if (file.startsWith("/usr/lib/"))
            asked.append(file.mid(4));
    }
    const Result r = dpkgQuery(QStringList("-S") + asked);
    for (const QString &line : r.output.split('\n')) {
        const int separator = line.indexOf(": /");
        if (separator <= 0 || line.startsWith("diversion "))
            continue;
        const QString path = line.mid(separator + 2);
        const QString package = line.left(separator).section(',', 0, 0).section(':', 0, 0).trimmed();
        result.insert(files.contains(path) ? path : "/usr" + path, package);
    }
    return result;
}

// The libraries an ELF file links by name (its NEEDED entries), read by
// binutils' readelf, which reads every architecture's files.
QStringList neededLibraries(const QString &file)
{
    QStringList names;
    static const QRegularExpression needed("\\(NEEDED\\)\\s+Shared library: \\[([^]]+)\\]");
    const Result r = execute("readelf", {"--dynamic", "--wide", file});
    auto it = needed.globalMatch(r.output);
    while (it.hasNext())
        names.append(it.next().captured(1));
    return names;
}

// Where the loader of the system the packages are for finds a library by its
// name, or "" (libraries of our own are found through the run path).
QString systemLibrary(const QString &soname)
{
    for (const QString &dir : {"/usr/lib/" + kLibraryArchitecture, "/lib/" + kLibraryArchitecture,
                               QStringLiteral("/usr/lib"), QStringLiteral("/lib")}) {
        const QString candidate = kTargetRoot + dir + '/' + soname;
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

} // namespace

class TestPackages : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch;
    QString m_root;
    QMap<QString, QString> m_debs; // package -> file
    QMap<QString, QMap<QString, QString>> m_fields;
    QMap<QString, QStringList> m_files; // package -> its files and links, relative to the root
    // The packages of the system the packages are for; in a cross build also
    // this machine's (its packages for every architecture, "all").
    PackageDatabase m_database;
    PackageDatabase m_hostDatabase;
    QString m_log;

    QString path(const QString &relative) const { return m_scratch.path() + '/' + relative; }

    // The shell's environment: offscreen, the device's paths in the scratch
    // root, nothing of the build tree or this machine's user.
    QProcessEnvironment shellEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"VELTRA_DEVICE_FILE", "VELTRA_EDITION", "QML_DISABLE_DISK_CACHE",
                                 "QML_FORCE_DISK_CACHE", "QML_IMPORT_PATH", "LD_LIBRARY_PATH", "XDG_CONFIG_HOME",
                                 "XDG_DATA_HOME"})
            env.remove(name);
        // Under emulation Qt's own directories are the sysroot's, named by the
        // test's environment (the emulator does not lead every file call there).
        for (const char *name : {"QML2_IMPORT_PATH", "QT_PLUGIN_PATH"}) {
            if (!kCrossBuild || !env.value(name).startsWith(kTargetRoot + '/'))
                env.remove(name);
        }
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_QUICK_BACKEND", "software");
        env.insert("VELTRA_ROOTFS", m_root);
        env.insert("VELTRA_POWEROFF_PROGRAM", path("tools/poweroff"));
        env.insert("XDG_RUNTIME_DIR", path("run"));
        env.insert("HOME", path("home"));
        env.insert("XDG_CACHE_HOME", path("home/.cache"));
        env.insert("QML_DISK_CACHE_PATH", path("qmlcache"));
        return env;
    }

    void start(QProcess &tarvik, const QStringList &wrapper = QStringList(),
               const QProcessEnvironment &environment = QProcessEnvironment())
    {
        m_log.clear();
        tarvik.setProcessEnvironment(environment.isEmpty() ? shellEnvironment() : environment);
        tarvik.setWorkingDirectory(m_root + "/opt/tarvik/bin");
        tarvik.setProcessChannelMode(QProcess::MergedChannels);
        connect(&tarvik, &QProcess::readyRead, this, [this, &tarvik] { m_log += tarvik.readAll(); });
        QStringList command = wrapper;
        if (!command.isEmpty())
            command.append("--");
        command += veltra::test::programEmulator();
        command.append(m_root + "/opt/tarvik/bin/tarvik");
        tarvik.start(command.takeFirst(), command);
        tarvik.waitForStarted(veltra::test::timeout(10000));
    }

    bool waitForLog(QProcess &tarvik, const QString &text)
    {
        QDeadlineTimer deadline(veltra::test::timeout(60000));
        while (!m_log.contains(text) && !deadline.hasExpired() && tarvik.state() == QProcess::Running)
            QTest::qWait(20);
        return m_log.contains(text);
    }

    // SIGTERM, as the service stops it: ends by itself with exit code 0.
    bool stop(QProcess &tarvik)
    {
        tarvik.terminate();
        const bool finished = tarvik.waitForFinished(veltra::test::timeout(20000));
        if (!finished) {
            tarvik.kill();
            tarvik.waitForFinished();
        }
        m_log += tarvik.readAll();
        return finished && tarvik.exitStatus() == QProcess::NormalExit && tarvik.exitCode() == 0;
    }

    static auto ended(QProcess &tarvik)
    {
        return qScopeGuard([&tarvik] {
            if (tarvik.state() != QProcess::NotRunning) {
                tarvik.kill();
                tarvik.waitForFinished();
            }
        });
    }

    // The main QML file of every app the packages installed, but the one the
    // host never lists, read from the libraries' records.
    QStringList installedAppsMainFiles() const
    {
        QStringList files;
        const QDir apps(m_root + "/opt/veltra/apps");
        for (const QFileInfo &library : apps.entryInfoList({"*.so"}, QDir::Files)) {
            const QJsonObject record =
                QPluginLoader(library.filePath()).metaData().value("MetaData").toObject();
            if (record.value("id").toString() != kUnlistedApp)
                files.append(record.value("qmlUrl").toString());
        }
        return files;
    }

    // What the shell's log must show once started: every app loaded, no QML
    // error, no app skipped.
    void checkEveryAppLoaded()
    {
        const QStringList mainFiles = installedAppsMainFiles();
        QVERIFY2(mainFiles.size() >= 6, qPrintable(mainFiles.join(' ')));
        for (const QString &file : mainFiles)
            QVERIFY2(m_log.contains("onLoaded: " + file), qPrintable(file + " not loaded:\n" + m_log));
        const QRegularExpression problem("skipped|did not load|\\.qml:[0-9]+|Permission denied");
        QVERIFY2(!problem.match(m_log).hasMatch(), qPrintable(m_log));
    }

    static void writeFile(const QString &file, const QByteArray &content, QFile::Permissions permissions)
    {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
        out.close();
        QVERIFY(out.setPermissions(permissions));
    }

    // Write access for the scratch root again (QTemporaryDir's clean-up, and
    // the tests after a read-only one).
    void makeWritable()
    {
        execute("chmod", {"-R", "u+w", m_scratch.path()});
    }

private slots:
    void initTestCase()
    {
        veltra::test::installWarningGuard();
        QVERIFY(m_scratch.isValid());
        // Reachable by the user of the read-only start.
        QVERIFY(QFile::setPermissions(m_scratch.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                            | QFile::ReadOther | QFile::ExeOther
                                                            | QFile::ReadGroup | QFile::ExeGroup));
        m_root = path("root");
        QVERIFY(QDir().mkpath(m_root));
        for (const QFileInfo &deb : QDir(kDebDir).entryInfoList({"*.deb"}, QDir::Files)) {
            const QMap<QString, QString> fields = readControlFields(deb.filePath());
            m_debs.insert(fields.value("Package"), deb.filePath());
            m_fields.insert(fields.value("Package"), fields);
            qInfo("%s: %lld bytes (%s kB installed)", qPrintable(deb.fileName()), deb.size(),
                  qPrintable(fields.value("Installed-Size")));
        }
        QCOMPARE(QStringList(m_debs.keys()), [] { QStringList s = kPackages; s.sort(); return s; }());
        for (auto deb = m_debs.begin(); deb != m_debs.end(); ++deb) {
            const Result r = execute("dpkg", {"-x", deb.value(), m_root});
            QVERIFY2(r.exitCode == 0, qPrintable(r.output));
            for (const QString &line : execute("dpkg-deb", {"-c", deb.value()}).output.split('\n')) {
                if (line.isEmpty() || line.startsWith('d'))
                    continue;
                QString file = line.section(QRegularExpression("\\s+"), 5).section(" -> ", 0, 0);
                file.remove(0, 2); // "./"
                m_files[deb.key()].append(file);
            }
        }
        writeFile(path("tools/poweroff"), "#!/bin/sh\nexit 0\n",
                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QVERIFY(QDir().mkpath(path("home")));
        QVERIFY(QDir().mkpath(path("qmlcache")));
        QVERIFY(QDir().mkpath(path("run")));
        QVERIFY(QFile::setPermissions(path("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_database.load(kTargetAdminDir);
        QVERIFY(!m_database.depends.isEmpty());
        if (kCrossBuild) {
            m_hostDatabase.load();
            QVERIFY(!m_hostDatabase.depends.isEmpty());
        }
    }

    void cleanupTestCase() { makeWritable(); }

    // Each package's control fields: its architecture is this build's, the
    // apps and the SDK need the tarvik of the same version, and every package
    // named in Depends exists (one of ours, or installed on the system the
    // packages are for, where the build found everything it computed; in a
    // cross build also one of this machine's packages for every architecture,
    // the fonts).
    void controlFields_data()
    {
        QTest::addColumn<QString>("package");
        for (const QString &package : kPackages)
            QTest::newRow(qPrintable(package)) << package;
    }

    void controlFields()
    {
        QFETCH(QString, package);
        const QMap<QString, QString> fields = m_fields.value(package);
        QCOMPARE(fields.value("Version"), kVersion);
        QCOMPARE(fields.value("Architecture"), kArchitecture);
        QVERIFY2(!fields.value("Description").isEmpty() && !fields.value("Maintainer").isEmpty(),
                 qPrintable(package));
        const QString depends = fields.value("Depends");
        if (package != "tarvik")
            QVERIFY2(depends.contains("tarvik (= " + kVersion + ")"), qPrintable(depends));
        for (const QString &group : depends.split(',', Qt::SkipEmptyParts)) {
            bool found = false;
            for (const QString &name : dependedNames(group)) {
                found = found || kPackages.contains(name) || m_database.depends.contains(name)
                        || m_database.providers.contains(name)
                        || (kCrossBuild && m_hostDatabase.architecture.value(name) == "all");
            }
            QVERIFY2(found, qPrintable(package + " depends on " + group.trimmed() + ", which no package is: "
                                       + depends));
        }
    }

    // Together the packages hold exactly what `cmake --install` writes, each
    // file in one package only (dpkg refuses two packages with one file); the
    // SDK's part under /opt/veltra-sdk.
    void packagesHoldTheInstall()
    {
        const QString install = path("install");
        const Result r = execute(VELTRA_CMAKE_COMMAND, {"--install", VELTRA_BUILD_DIR, "--prefix", install});
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        QSet<QString> expected;
        QDirIterator it(install, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = QDir(install).relativeFilePath(it.next());
            const bool device = file.startsWith("opt/") || file.startsWith("etc/") || file.startsWith("lib/systemd/");
            // The SDK's part is packaged by a native build only.
            if (device || kPackages.contains("veltra-dev"))
                expected.insert(device ? file : "opt/veltra-sdk/" + file);
        }
        QMap<QString, QString> packaged;
        QStringList twice;
        for (auto package = m_files.begin(); package != m_files.end(); ++package) {
            for (const QString &file : package.value()) {
                if (packaged.contains(file))
                    twice.append(file + " in " + packaged.value(file) + " and " + package.key());
                packaged.insert(file, package.key());
            }
        }
        QVERIFY2(twice.isEmpty(), qPrintable(twice.join('\n')));
        if (kPackages.contains("veltra-dev")) {
            QCOMPARE(packaged.value("opt/veltra-sdk/opt"), QString("veltra-dev"));
            packaged.remove("opt/veltra-sdk/opt");
        }
        const QSet<QString> inPackages(packaged.keyBegin(), packaged.keyEnd());
        QStringList missing = (expected - inPackages).values();
        QStringList extra = (inPackages - expected).values();
        missing.sort();
        extra.sort();
        QVERIFY2(missing.isEmpty(), qPrintable("installed, in no package:\n" + missing.join('\n')));
        QVERIFY2(extra.isEmpty(), qPrintable("in a package, not installed:\n" + extra.join('\n')));
        QCOMPARE(packaged.value("opt/tarvik/bin/tarvik"), QString("tarvik"));
        QCOMPARE(packaged.value("etc/default/tarvik"), QString("tarvik"));
        QCOMPARE(packaged.value("lib/systemd/system/tarvik.service"), QString("tarvik"));
    }

    // Nothing of the build machine ships: no file names the source or build
    // directory, every program and library is stripped (no symbol table, no
    // debugging information) and finds its libraries through paths relative to
    // itself only.
    void filesCarryNothingOfTheBuild_data()
    {
        QTest::addColumn<QString>("package");
        for (const QString &package : kPackages)
            QTest::newRow(qPrintable(package)) << package;
    }

    void filesCarryNothingOfTheBuild()
    {
        QFETCH(QString, package);
        const QList<QByteArray> buildPaths = {QFile::encodeName(QDir(VELTRA_SOURCE_DIR).canonicalPath()) + '/',
                                              QFile::encodeName(QDir(VELTRA_BUILD_DIR).canonicalPath()) + '/'};
        QStringList elfFiles;
        QStringList naming;
        for (const QString &line : execute("dpkg-deb", {"-c", m_debs.value(package)}).output.split('\n')) {
            if (!line.startsWith('-'))
                continue;
            const QString file = m_root + '/' + line.section(QRegularExpression("\\s+"), 5).mid(2);
            QFile in(file);
            QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(file));
            const QByteArray content = in.readAll();
            if (content.startsWith("\x7f" "ELF"))
                elfFiles.append(file);
            for (const QByteArray &buildPath : buildPaths) {
                const int at = content.indexOf(buildPath);
                if (at < 0)
                    continue;
                QByteArray excerpt = content.mid(qMax(0, at - 40), 120);
                for (char &c : excerpt)
                    c = (c >= ' ' && c < 127) ? c : '.';
                naming.append(file + ": " + QString::fromLatin1(excerpt));
                break;
            }
        }
        QVERIFY2(naming.isEmpty(), qPrintable("the build's directories named in:\n" + naming.join('\n')));
        QVERIFY2(!elfFiles.isEmpty(), qPrintable(package));
        for (const QString &file : elfFiles) {
            const Result sections = execute("readelf", {"-S", "-W", file});
            QVERIFY2(sections.exitCode == 0, qPrintable(sections.output));
            const QRegularExpression unstripped("\\s(\\.symtab|\\.debug_\\w+)\\s");
            QVERIFY2(!unstripped.match(sections.output).hasMatch(),
                     qPrintable(file + " is not stripped: " + unstripped.match(sections.output).captured(1)));
            const Result dynamic = execute("readelf", {"-d", "-W", file});
            const QRegularExpression searchPath("\\((?:RPATH|RUNPATH)\\)[^\\[]*\\[([^\\]]*)\\]");
            for (auto it = searchPath.globalMatch(dynamic.output); it.hasNext();) {
                for (const QString &entry : it.next().captured(1).split(':'))
                    QVERIFY2(entry.startsWith("$ORIGIN"), qPrintable(file + " searches " + entry));
            }
        }
    }

    // dpkg keeps an administrator's changes to a conffile over upgrades: every
    // file tarvik puts under /etc is one. Its maintainer scripts parse.
    void serviceFilesAreConffiles()
    {
        const QString control = path("control-tarvik");
        const Result r = execute("dpkg-deb", {"-e", m_debs.value("tarvik"), control});
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        QFile conffiles(control + "/conffiles");
        QVERIFY(conffiles.open(QIODevice::ReadOnly));
        QStringList listed = QString::fromUtf8(conffiles.readAll()).split('\n', Qt::SkipEmptyParts);
        QStringList underEtc;
        QDirIterator it(m_root + "/etc", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            underEtc.append(it.next().mid(m_root.size()));
        listed.sort();
        underEtc.sort();
        QCOMPARE(listed, underEtc);
        QVERIFY(!underEtc.isEmpty());
        for (const QString script : {"postinst", "prerm", "postrm"}) {
            QVERIFY2(QFileInfo(control + '/' + script).isExecutable(), qPrintable(script));
            const Result check = execute("sh", {"-n", control + '/' + script});
            QVERIFY2(check.exitCode == 0, qPrintable(QString(script) + ": " + check.output));
        }
    }

    // Every program and library in a package is built for the package's
    // architecture, as this test itself is (an armhf package of amd64 files,
    // or of soft-float ARM ones, installs and then fails to start).
    void elfFilesForTheArchitecture_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<int>("least");
        QTest::newRow("tarvik") << "tarvik" << 2; // the program, libcommon
        QTest::newRow("lumvar") << "lumvar" << 1;
        QTest::newRow("sorvel") << "sorvel" << 1;
        QTest::newRow("veltra-standin-apps") << "veltra-standin-apps" << 5;
        if (kPackages.contains("veltra-dev"))
            QTest::newRow("veltra-dev") << "veltra-dev" << 3; // appcheck, preview, qmltest
    }

    void elfFilesForTheArchitecture()
    {
        QFETCH(QString, package);
        QFETCH(int, least);
        QVERIFY2(kElfKinds.contains(kArchitecture), qPrintable("no ELF kind known for " + kArchitecture));
        const ElfKind expected = kElfKinds.value(kArchitecture);
        ElfKind own;
        QVERIFY(readElfKind(QCoreApplication::applicationFilePath(), &own));
        QVERIFY2(own.fits(expected), qPrintable("this test: " + own.text() + "; " + kArchitecture + ": "
                                             + expected.text()));
        int count = 0;
        for (const QString &file : m_files.value(package)) {
            const QFileInfo info(m_root + '/' + file);
            ElfKind kind;
            if (info.isSymLink() || !readElfKind(info.filePath(), &kind))
                continue;
            ++count;
            QVERIFY2(kind.fits(expected), qPrintable(file + ": " + kind.text() + "; " + kArchitecture + ": "
                                                  + expected.text()));
        }
        QVERIFY2(count >= least, qPrintable(QString("%1 ELF files in %2").arg(count).arg(package)));
    }

    // Depends names the package of every library that the package's programs
    // and plug-ins link (found as the system's loader finds it, its owner as
    // the system's dpkg knows it), or the package of ours that has it; the
    // Qt libraries among them. Computed by dpkg-shlibdeps, which, with no
    // database of the target's packages, leaves every library out without a
    // word.
    void librariesInDepends_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("tarvik") << "tarvik"
                                << QStringList{"libc6", "libstdc++6", "libqt5core5a", "libqt5gui5", "libqt5qml5",
                                               "libqt5quick5", "libqt5multimedia5"};
        QTest::newRow("lumvar") << "lumvar" << QStringList{"libc6", "libqt5core5a", "libqt5qml5"};
        QTest::newRow("sorvel") << "sorvel" << QStringList{"libc6", "libqt5core5a", "libqt5qml5"};
        QTest::newRow("veltra-standin-apps")
            << "veltra-standin-apps" << QStringList{"libc6", "libqt5core5a", "libqt5qml5"};
        // The SDK's programs link libcommon of the tarvik package.
        if (kPackages.contains("veltra-dev"))
            QTest::newRow("veltra-dev") << "veltra-dev" << QStringList{"libc6", "libqt5core5a", "tarvik"};
    }

    void librariesInDepends()
    {
        QFETCH(QString, package);
        QFETCH(QStringList, named);
        const QStringList depends = dependedNames(m_fields[package].value("Depends"));
        // Our own libraries by file name, with their package.
        QHash<QString, QString> ours;
        for (auto it = m_files.begin(); it != m_files.end(); ++it) {
            for (const QString &file : it.value())
                ours.insert(QFileInfo(file).fileName(), it.key());
        }
        QHash<QString, QString> needed; // soname -> the package that has it
        QHash<QString, QString> systemFiles; // soname -> its file on the system
        QStringList unknown;
        for (const QString &file : m_files.value(package)) {
            const QFileInfo info(m_root + '/' + file);
            ElfKind kind;
            if (info.isSymLink() || !readElfKind(info.filePath(), &kind))
                continue;
            for (const QString &soname : neededLibraries(info.filePath())) {
                if (ours.contains(soname)) {
                    needed.insert(soname, ours.value(soname));
                } else if (const QString library = systemLibrary(soname); !library.isEmpty()) {
                    systemFiles.insert(soname, library);
                } else {
                    unknown.append(file + " needs " + soname);
                }
            }
        }
        QVERIFY2(unknown.isEmpty(), qPrintable("not found on the system:\n" + unknown.join('\n')));
        const QList<QString> files = systemFiles.values();
        const QMap<QString, QString> systemOwners = owners(QSet<QString>(files.begin(), files.end()));
        for (auto it = systemFiles.begin(); it != systemFiles.end(); ++it) {
            QVERIFY2(systemOwners.contains(it.value()), qPrintable("no package owns " + it.value()));
            needed.insert(it.key(), systemOwners.value(it.value()));
        }
        QStringList missing;
        for (auto it = needed.begin(); it != needed.end(); ++it) {
            if (it.value() != package && !depends.contains(it.value()))
                missing.append(it.key() + " (" + it.value() + ")");
        }
        QVERIFY2(missing.isEmpty(), qPrintable(package + " depends on none of the packages of:\n"
                                               + missing.join('\n') + "\nDepends: "
                                               + m_fields[package].value("Depends")));
        // The libraries every such package links, found here as well.
        const QList<QString> owning = needed.values();
        for (const QString &name : named) {
            QVERIFY2(owning.contains(name), qPrintable(package + " links nothing of " + name));
            QVERIFY2(depends.contains(name), qPrintable(package + " does not depend on " + name + ": "
                                                        + m_fields[package].value("Depends")));
        }
    }

    // The installed shell, started as the service starts it (from
    // /opt/tarvik/bin): it uses the installed program, library and apps only,
    // loads every installed app, writes nothing but the saved data (no QML
    // cache either: the QML is compiled into the binaries), and everything it
    // maps comes from a package its packages depend on.
    void installedShellRuns()
    {
        const QString saveData = m_root + "/opt/save_data";
        const QMap<QString, QString> rootBefore = snapshot(m_root);
        const QMap<QString, QString> homeBefore = snapshot(path("home"));
        QProcess tarvik;
        const auto guard = ended(tarvik);
        start(tarvik);
        QVERIFY2(waitForLog(tarvik, "call allAppsLoaded"), qPrintable(m_log));
        const QSet<QString> mapped = mappedFiles(tarvik.processId());
        QVERIFY2(stop(tarvik), qPrintable(m_log));
        checkEveryAppLoaded();

        // The program, libcommon and the apps come from the scratch root.
        QStringList ours;
        for (const QString &file : mapped) {
            if (file.contains("/opt/tarvik/") || file.contains("/opt/veltra/"))
                ours.append(file);
        }
        QVERIFY2(ours.size() >= 8, qPrintable(ours.join('\n')));
        for (const QString &file : ours)
            QVERIFY2(file.startsWith(m_root + '/'), qPrintable(file + " is not the installed one"));

        // What else it mapped, Qt's libraries and plug-ins above all, belongs
        // to packages that the installed packages bring along.
        const QSet<QString> reach = m_database.closure(
            dependedNames(m_fields["tarvik"].value("Depends") + ',' + m_fields["lumvar"].value("Depends") + ','
                          + m_fields["veltra-standin-apps"].value("Depends")));
        // Qt's own catalogues are read when installed (Debian's Qt modules do
        // not depend on them either); the texts are the shell's own.
        QSet<QString> system;
        for (const QString &file : mapped) {
            if (!file.startsWith(m_root + '/') && !file.startsWith(kTargetRoot + "/usr/share/qt5/translations/"))
                system.insert(file);
        }
        const QMap<QString, QString> owner = owners(system);
        QVERIFY2(owner.size() > 20, qPrintable(QStringList(owner.keys()).join('\n')));
        QStringList unreached;
        for (auto it = owner.begin(); it != owner.end(); ++it) {
            if (!reach.contains(it.value()))
                unreached.append(it.key() + " (" + it.value() + ")");
        }
        QVERIFY2(unreached.isEmpty(), qPrintable("no package depends on:\n" + unreached.join('\n')));

        QStringList written = differences(rootBefore, snapshot(m_root));
        QVERIFY2(QFileInfo::exists(saveData + "/global.conf"), qPrintable(written.join('\n')));
        written = written.filter(QRegularExpression("^(?!opt/save_data(/|$))"));
        QVERIFY2(written.isEmpty(), qPrintable("written outside the saved data:\n" + written.join('\n')));
        const QStringList home = differences(homeBefore, snapshot(path("home")));
        QVERIFY2(home.isEmpty(), qPrintable("written in the home directory:\n" + home.join('\n')));
        const QStringList cache = QDir(path("qmlcache")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY2(cache.isEmpty(), qPrintable("QML compiled at run time into the cache: " + cache.join(' ')));
    }

    // As the service starts it: with the installed /etc/default/tarvik and
    // nothing of a user's environment. A system service has no HOME, which Qt
    // takes to be "/", here the scratch root; the runtime directory the unit
    // makes (/run/tarvik, in memory on the device) lies in the scratch root as
    // well. Offscreen, and without the touch device this machine lacks. The
    // shell writes nothing but the saved data and its runtime directory: no
    // QML cache below "/" (Qt's own modules make the engine look for one).
    void asTheServiceRunsIt()
    {
        const QMap<QString, QString> file = veltra::test::readEnvironmentFile(m_root + "/etc/default/tarvik");
        QVERIFY(file.contains("XDG_RUNTIME_DIR"));
        QProcessEnvironment env;
        env.insert("PATH", qEnvironmentVariable("PATH"));
        for (auto it = file.begin(); it != file.end(); ++it)
            env.insert(it.key(), it.value().startsWith("/run/") ? m_root + it.value() : it.value());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("QT_QPA_GENERIC_PLUGINS");
        env.insert("HOME", m_root);
        env.insert("VELTRA_ROOTFS", m_root);
        env.insert("VELTRA_POWEROFF_PROGRAM", path("tools/poweroff"));
        // Under emulation Qt's own directories are the sysroot's (see shellEnvironment()).
        const QProcessEnvironment shell = shellEnvironment();
        for (const char *name : {"QML2_IMPORT_PATH", "QT_PLUGIN_PATH"}) {
            if (kCrossBuild && shell.contains(name))
                env.insert(name, shell.value(name));
        }
        const QString runtime = env.value("XDG_RUNTIME_DIR");
        QVERIFY2(runtime == m_root + "/run/tarvik", qPrintable(runtime));
        QVERIFY(QDir().mkpath(runtime));
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QMap<QString, QString> rootBefore = snapshot(m_root);

        QProcess tarvik;
        const auto guard = ended(tarvik);
        start(tarvik, QStringList(), env);
        QVERIFY2(waitForLog(tarvik, "call allAppsLoaded"), qPrintable(m_log));
        QVERIFY2(stop(tarvik), qPrintable(m_log));
        checkEveryAppLoaded();
        QStringList written = differences(rootBefore, snapshot(m_root));
        written = written.filter(QRegularExpression("^(?!(opt/save_data|run/tarvik)(/|$))"));
        QVERIFY2(written.isEmpty(), qPrintable("written outside the saved data and /run/tarvik:\n" + written.join('\n')));
    }

    // The SDK's package: an app team's project finds it in /opt/veltra-sdk
    // (its programs, the frame and the installed apps through opt/, the link
    // to the device tree); its preview, found on PATH and started elsewhere,
    // finds the installed shell that way and shows the app the shell does not
    // list.
    void sdkFromItsPackage()
    {
        if (!kPackages.contains("veltra-dev"))
            QSKIP("the SDK is packaged by a native build only");
        const QString workDir = path("elsewhere");
        QVERIFY(QDir().mkpath(workDir));
        const QString sdk = m_root + "/opt/veltra-sdk";
        const Result configure = execute(VELTRA_CMAKE_COMMAND, {"-S", VELTRA_SOURCE_DIR "/examples/unitconverter",
                                                                "-B", path("unitconverter"),
                                                                "-DCMAKE_PREFIX_PATH=" + sdk});
        QVERIFY2(configure.exitCode == 0, qPrintable(configure.output));
        QFile cache(path("unitconverter/CMakeCache.txt"));
        QVERIFY(cache.open(QIODevice::ReadOnly));
        QVERIFY2(cache.readAll().contains("Veltra_DIR:PATH=" + QFile::encodeName(sdk) + "/lib/cmake/Veltra"),
                 qPrintable(configure.output));

        QProcessEnvironment env = shellEnvironment();
        env.remove("VELTRA_ROOTFS");
        env.insert("PATH", m_root + "/opt/veltra-sdk/bin:" + env.value("PATH"));
        // By name, as a shell starts it: the program learns no directory from argv[0].
        const Result r = execute("sh", {"-c", "exec veltra-preview --screenshot sorvel.png \"$0\"",
                                        m_root + "/opt/veltra/apps/libsorvel.so"},
                                 workDir, env);
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        const QImage shot(workDir + "/sorvel.png");
        QVERIFY2(!shot.isNull(), qPrintable(r.output));
        QSet<QRgb> colours;
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4)
                colours.insert(shot.pixel(x, y));
        QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
    }

    // A read-only root: the installed tree, /opt/veltra among it, read-only,
    // the home directory read-only with no cache directory in it, only
    // /opt/save_data writable (empty, as on a first boot). As root, the shell
    // runs as a user without rights to the root's files. It starts, loads
    // every app, writes only the saved data, and no QML cache even where one
    // could be written.
    void readOnlyRoot()
    {
        const QString saveData = m_root + "/opt/save_data";
        QVERIFY(QDir(saveData).removeRecursively());
        QVERIFY(QDir(path("qmlcache")).removeRecursively() && QDir().mkpath(path("qmlcache")));
        QVERIFY(QDir(path("home")).removeRecursively() && QDir().mkpath(path("home")));
        QVERIFY(QDir().mkpath(saveData));
        const auto writable = qScopeGuard([this] { makeWritable(); });
        Result r = execute("chmod", {"-R", "a-w", m_root, path("home")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        QVERIFY(QFile::setPermissions(saveData, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QStringList wrapper;
        if (::geteuid() == 0) {
            const QString user = QString::number(kNobody);
            r = execute("chown", {user + ':' + user, saveData, path("qmlcache"), path("run")});
            QVERIFY2(r.exitCode == 0, qPrintable(r.output));
            wrapper = QStringList{"setpriv", "--reuid=" + user, "--regid=" + user, "--clear-groups",
                                  "--inh-caps=-all", "--bounding-set=-all"};
        }
        // The shell's user cannot write the installed tree.
        const QString probe = m_root + "/opt/veltra/apps/probe";
        r = wrapper.isEmpty() ? execute("touch", {probe})
                              : execute(wrapper.first(), wrapper.mid(1) + QStringList{"--", "touch", probe});
        QVERIFY2(r.exitCode != 0 && !QFileInfo::exists(probe), qPrintable(r.output));
        const QMap<QString, QString> rootBefore = snapshot(m_root);

        QProcess tarvik;
        const auto guard = ended(tarvik);
        start(tarvik, wrapper);
        QVERIFY2(waitForLog(tarvik, "call allAppsLoaded"), qPrintable(m_log));
        QVERIFY2(stop(tarvik), qPrintable(m_log));
        checkEveryAppLoaded();

        QStringList written = differences(rootBefore, snapshot(m_root));
        QVERIFY2(QFileInfo::exists(saveData + "/global.conf"), qPrintable(m_log));
        written = written.filter(QRegularExpression("^(?!opt/save_data(/|$))"));
        QVERIFY2(written.isEmpty(), qPrintable("written outside the saved data:\n" + written.join('\n')));
        const QStringList cache = QDir(path("qmlcache")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY2(cache.isEmpty(), qPrintable("QML compiled at run time into the cache: " + cache.join(' ')));
        QVERIFY(QDir(path("home")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPackages)
#include "tst_packages.moc"
