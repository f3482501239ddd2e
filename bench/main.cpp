// veltra_bench: the shell's real start-up, its app switches, the tubing wizard
// and the capture list, measured against a floor in the same run.
//
//   veltra_bench [--runs N] [--switches N] [--json FILE] [--instructions auto|off|only]
//
// Every measurement runs in a child process of its own (this program again,
// with --probe), headless (offscreen platform, software scene graph, no update
// delay) and with a private QML disk cache that the first, cold run fills.
// Start-up figures are taken over N runs (default 10) after a warm-up, switches
// over --switches app switches (default 100); the start-up rows "on one CPU"
// run the same probes under `taskset -c 0`. It prints a table of medians with
// their ranges, the floor and the ratio, and writes the same as JSON (default
// bench-results.json in the working directory). It never judges a time.
//
// Instructions (GUI thread and whole process) come from the CPU's counters
// where the kernel allows perf_event_open, read by every probe; elsewhere from
// one run of each probe under `valgrind --tool=callgrind` per figure (the
// Debian package valgrind; without it those rows stay empty). A callgrind run
// of the shell takes about a minute: --instructions off leaves them out,
// --instructions only runs nothing else (to steer by instructions alone).
//
//   veltra_bench --census
//
// prints what the first screen is made of, by type, for the shell (six
// default apps, Home first) and the floor, instead of the table.
#include "benchprobes.h"
#include "benchreport.h"
#include "callgrindfigures.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

namespace {

const int kChildTimeoutMs = 180000;
const int kCallgrindTimeoutMs = 900000;
// Rounds of the page changes (the switches, the wizard) under callgrind, whose
// counts vary little between rounds.
const int kCallgrindRepeats = 4;
// Enough samples of each wizard step for a 95th percentile that is not
// simply the slowest one.
const int kWizardRounds = 40;
const QList<int> kAppCounts = {1, 6, 20, 50};
const QString kHomeId = QStringLiteral("com.ostrelle.veltra.Home");

using Runs = QVector<QJsonObject>;

void progress(const QString &text)
{
    std::fprintf(stderr, "veltra_bench: %s\n", qPrintable(text));
    std::fflush(stderr);
}

// Starts probes in child processes and collects their results.
class Runner
{
public:
    explicit Runner(const QString &workDir)
        : m_workDir(workDir)
    {
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        m_environment.insert(QStringLiteral("QT_QPA_UPDATE_IDLE_TIME"), QStringLiteral("0"));
        m_environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));
        m_environment.insert(QStringLiteral("QML_DISK_CACHE_PATH"), workDir + QStringLiteral("/qmlcache"));
        m_environment.remove(QStringLiteral("QML_DISABLE_DISK_CACHE"));
        m_environment.remove(QStringLiteral("VELTRA_EDITION"));
        const QString runtime = workDir + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }

    // A simulated device root whose global configuration lists the apps of appsDir.
    QString rootfs(const QString &name, const QString &appsDir)
    {
        const QString root = m_workDir + QStringLiteral("/rootfs-") + name;
        QDir().mkpath(root + QStringLiteral("/opt/save_data"));
        QSettings config(root + QStringLiteral("/opt/save_data/global.conf"), QSettings::IniFormat);
        config.setValue(QStringLiteral("apps_dir"), appsDir);
        config.setValue(QStringLiteral("startup_app_id"), kHomeId);
        config.setValue(QStringLiteral("home_app_id"), kHomeId);
        return root;
    }

    // Runs a probe, started through `wrapper` (a program and its arguments,
    // as taskset or valgrind) when one is given. `extra` adds to or replaces
    // the probes' environment for this run.
    QJsonObject run(const QStringList &probe, const QString &rootfs = QString(), const QStringList &wrapper = {},
                    int timeoutMs = kChildTimeoutMs, const QProcessEnvironment &extra = QProcessEnvironment())
    {
        QProcess process;
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("VELTRA_ROOTFS"),
                           rootfs.isEmpty() ? m_workDir + QStringLiteral("/rootfs-none") : rootfs);
        environment.insert(extra);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QStringLiteral(VELTRA_STAGE_BIN_DIR));
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QStringList arguments = QStringList{QCoreApplication::applicationFilePath(), QStringLiteral("--probe")} + probe;
        if (!wrapper.isEmpty())
            arguments = wrapper.mid(1) + arguments;
        process.start(wrapper.isEmpty() ? arguments.takeFirst() : wrapper.first(), arguments);
        process.waitForFinished(timeoutMs);
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        const QByteArray errors = process.readAllStandardError();
        if (!errors.isEmpty())
            std::fprintf(stderr, "%s", errors.constData());
        for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
            if (line.startsWith(bench::kResultPrefix)) {
                QJsonObject result =
                    QJsonDocument::fromJson(line.mid(int(std::strlen(bench::kResultPrefix)))).object();
                if (result.contains(QStringLiteral("error")))
                    progress(probe.join(QLatin1Char(' ')) + QStringLiteral(": ")
                             + result.value(QStringLiteral("error")).toString());
                return result;
            }
        }
        progress(probe.join(QLatin1Char(' ')) + QStringLiteral(": no result (exit code %1)").arg(process.exitCode()));
        return QJsonObject{{QStringLiteral("error"), QStringLiteral("no result")}};
    }

    // The probe under callgrind, twice: with a profile per thread, of which
    // the GUI thread's is read, and with one for the whole process. The
    // result of the second run, with {"instructions": {"gui": ..., "process":
    // ...}} from both (see callgrindfigures.h).
    QJsonObject callgrind(const QString &valgrind, const QStringList &probe, const QString &rootfs,
                          const QString &name, const QProcessEnvironment &extra = QProcessEnvironment())
    {
        QJsonObject result;
        QJsonObject counts;
        for (const bool guiThread : {true, false}) {
            const QString dir = m_workDir + QStringLiteral("/callgrind-%1-%2")
                                                .arg(name, guiThread ? QStringLiteral("gui") : QStringLiteral("process"));
            QDir(dir).removeRecursively();
            QDir().mkpath(dir);
            const QStringList wrapper = {valgrind,
                                         QStringLiteral("--tool=callgrind"),
                                         QStringLiteral("--quiet"),
                                         guiThread ? QStringLiteral("--separate-threads=yes")
                                                   : QStringLiteral("--separate-threads=no"),
                                         QStringLiteral("--callgrind-out-file=%1/cg.out").arg(dir)};
            result = run(probe, rootfs, wrapper, kCallgrindTimeoutMs, extra);
            counts.insert(guiThread ? QStringLiteral("gui") : QStringLiteral("process"),
                          bench::callgrindFigures(dir, QStringLiteral("cg.out")));
        }
        result.insert(QStringLiteral("instructions"), counts);
        return result;
    }

private:
    QString m_workDir;
    QProcessEnvironment m_environment;
};

int filesBelow(const QString &dir)
{
    int count = 0;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++count;
    return count;
}

// An apps directory with the home app and count - 1 benchmark apps.

QString appsDirWith(const QString &workDir, int count)
{
    const QString dir = workDir + QStringLiteral("/apps-%1").arg(count);
    QDir().mkpath(dir);
    QFile::link(QStringLiteral(VELTRA_STAGE_APPS_DIR "/libhomeapp.so"), dir + QStringLiteral("/libhomeapp.so"));
    for (int i = 1; i < count; ++i) {
        const QString name = QStringLiteral("libbench_app_%1.so").arg(i, 2, 10, QLatin1Char('0'));
        const QString source = QStringLiteral(VELTRA_BENCH_APPS_DIR "/") + name;
        if (!QFile::exists(source))
            progress(QStringLiteral("%1 is missing; build the target bench_apps").arg(source));
        QFile::link(source, dir + QLatin1Char('/') + name);
    }
    return dir;
}

double numberAt(const QJsonObject &object, const QString &path)
{
    QJsonValue value = object;
    for (const QString &key : path.split(QLatin1Char('.')))
        value = value.toObject().value(key);
    return value.isDouble() ? value.toDouble() : std::nan("");
}

// The value at `path` of every run that has it (negative values mark a figure
// the run never reached).
QVector<double> values(const Runs &runs, const QString &path)
{
    QVector<double> result;
    for (const QJsonObject &run : runs) {
        const double value = numberAt(run, path);
        if (!std::isnan(value) && value >= 0)
            result.append(value);
    }
    return result;
}

QVector<double> arrayValues(const QJsonObject &run, const QString &path)
{
    QJsonValue value = run;
    for (const QString &key : path.split(QLatin1Char('.')))
        value = value.toObject().value(key);
    QVector<double> result;
    for (const QJsonValue &v : value.toArray())
        result.append(v.toDouble());
    return result;
}

bench::Stats one(const QJsonObject &run, const QString &path)
{
    return bench::statsOf(values(Runs{run}, path));
}

bench::Stats sum(const Runs &runs, const QStringList &paths)
{
    double total = 0;
    for (const QString &path : paths) {
        for (double v : values(runs, path))
            total += v;
    }
    return bench::statsOf({total});
}

// Millions of instructions of `thread` ("gui" or "process"): the phase `name`
// (from the start to that point) or every step `name` of each run.
QVector<double> instructionValues(const Runs &runs, const QString &thread, const QString &kind, const QString &name)
{
    QVector<double> result;
    for (const QJsonObject &run : runs) {
        const QJsonValue value = run.value(QStringLiteral("instructions")).toObject().value(thread).toObject()
                                     .value(kind).toObject().value(name);
        if (value.isDouble())
            result.append(value.toDouble() / 1e6);
        for (const QJsonValue &v : value.toArray())
            result.append(v.toDouble() / 1e6);
    }
    return result;
}

bench::Stats phaseInstructions(const Runs &runs, const QString &thread, const QString &name)
{
    return bench::statsOf(instructionValues(runs, thread, QStringLiteral("phases"), name));
}

bench::Stats stepInstructions(const Runs &runs, const QString &thread, const QString &name)
{
    return bench::statsOf(instructionValues(runs, thread, QStringLiteral("steps"), name));
}

bool countedItself(const Runs &runs)
{
    return !runs.isEmpty() && runs.first().value(QStringLiteral("instructionSource")).toString() == QLatin1String("perf");
}

const QString kGui = QStringLiteral("gui");
const QString kProcess = QStringLiteral("process");
const QString kInstructionUnit = QStringLiteral("M instructions");

QString threadText(const QString &thread)
{
    return thread == kGui ? QStringLiteral("GUI thread") : QStringLiteral("whole process");
}

int warningCount(const Runs &runs)
{
    int count = 0;
    for (const QJsonObject &run : runs)
        count += run.value(QStringLiteral("warnings")).toArray().size();
    return count;
}

QString cpuModel()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
        }
    }
    return QStringLiteral("unknown");
}

// The objects of the first screen by type, the shell's beside the floor's,
// the most numerous first.
int printCensus(Runner &runner, const QString &rootfs)
{
    const QJsonObject shell = runner.run({QStringLiteral("shell"), QStringLiteral("census")}, rootfs)
                                  .value(QStringLiteral("census")).toObject();
    const QJsonObject floor = runner.run({QStringLiteral("floor"), QStringLiteral("controls1"), QStringLiteral("census")})
                                  .value(QStringLiteral("census")).toObject();
    const QJsonObject shellTypes = shell.value(QStringLiteral("types")).toObject();
    const QJsonObject floorTypes = floor.value(QStringLiteral("types")).toObject();
    QStringList names = shellTypes.keys();
    for (const QString &name : floorTypes.keys()) {
        if (!shellTypes.contains(name))
            names.append(name);
    }
    std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        return shellTypes.value(a).toInt() + floorTypes.value(a).toInt()
               > shellTypes.value(b).toInt() + floorTypes.value(b).toInt();
    });
    std::printf("\nObjects of the first screen by type (shell: six default apps, Home first)\n\n");
    std::printf("| %-40s | %6s | %6s |\n| %s | ------ | ------ |\n", "Type", "Shell", "Floor",
                qPrintable(QString(40, QLatin1Char('-'))));
    auto line = [](const QString &name, int a, int b) {
        std::printf("| %-40s | %6d | %6d |\n", qPrintable(name), a, b);
    };
    for (const QString &name : names)
        line(name, shellTypes.value(name).toInt(), floorTypes.value(name).toInt());
    line(QStringLiteral("All objects"), shell.value(QStringLiteral("objects")).toInt(),
         floor.value(QStringLiteral("objects")).toInt());
    line(QStringLiteral("Text items"), shell.value(QStringLiteral("textItems")).toInt(),
         floor.value(QStringLiteral("textItems")).toInt());
    line(QStringLiteral("Fonts asked for by them"), shell.value(QStringLiteral("fonts")).toInt(),
         floor.value(QStringLiteral("fonts")).toInt());
    return 0;
}

int runBenchmark(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    auto option = [&arguments](const QString &name, const QString &fallback) {
        const int at = arguments.indexOf(name);
        return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
    };
    const int runs = std::max(1, option(QStringLiteral("--runs"), QStringLiteral("10")).toInt());
    const int switches = std::max(1, option(QStringLiteral("--switches"), QStringLiteral("100")).toInt());
    const QString jsonPath = option(QStringLiteral("--json"), QStringLiteral("bench-results.json"));
    const QString instructionMode = option(QStringLiteral("--instructions"), QStringLiteral("auto"));
    const bool timesWanted = instructionMode != QLatin1String("only");
    const QString taskset = QStandardPaths::findExecutable(QStringLiteral("taskset"));
    if (timesWanted && taskset.isEmpty())
        progress(QStringLiteral("taskset not found: no rows on one CPU (Debian package util-linux)"));
    const QStringList oneCpu = taskset.isEmpty() ? QStringList() : QStringList{taskset, QStringLiteral("-c"), QStringLiteral("0")};

    QTemporaryDir workDir;
    Runner runner(workDir.path());
    const QString defaultRootfs = runner.rootfs(QStringLiteral("default"), QStringLiteral(VELTRA_STAGE_APPS_DIR));
    std::map<int, QString> countRootfs;
    for (int count : kAppCounts)
        countRootfs[count] = runner.rootfs(QStringLiteral("apps-%1").arg(count), appsDirWith(workDir.path(), count));
    if (arguments.contains(QStringLiteral("--census")))
        return printCensus(runner, defaultRootfs);

    const QString repeats = QString::number(runs);
    const QStringList shellStart = {QStringLiteral("shell"), QStringLiteral("start"), repeats};
    const QStringList controls1Start = {QStringLiteral("floor"), QStringLiteral("controls1"), QStringLiteral("start"),
                                        repeats};
    const QStringList windowStart = {QStringLiteral("floor"), QStringLiteral("window"), QStringLiteral("start"),
                                     repeats};
    const QStringList captureListStart = {QStringLiteral("capture-list"), QStringLiteral("start")};

    // The first runs fill the empty QML disk cache: the cold start.
    progress(QStringLiteral("cold start (empty QML disk cache)"));
    const QJsonObject coldShell = runner.run(shellStart, defaultRootfs);
    const int cacheFilesWritten = filesBelow(workDir.path() + QStringLiteral("/qmlcache"));
    const QJsonObject coldFloor = runner.run(controls1Start);
    runner.run(windowStart);
    runner.run(captureListStart);
    for (int count : kAppCounts)
        runner.run(shellStart, countRootfs[count]);

    // Interleaved, so that a slow moment of the machine weighs on all alike.
    // On a read-only root the QML disk cache stays empty and cannot be written
    // (a directory below a regular file binds root too); Qt's own modules keep
    // the compiled files their packages install beside them. Every start there
    // is like the first: what ahead-of-time compilation saves.
    const QString notADirectory = workDir.path() + QStringLiteral("/read-only-root");
    QFile(notADirectory).open(QIODevice::WriteOnly);
    QProcessEnvironment readOnlyRoot;
    readOnlyRoot.insert(QStringLiteral("QML_DISK_CACHE_PATH"), notADirectory + QStringLiteral("/qmlcache"));
    Runs shell, controls1, bare, captureList, shellOneCpu, controls1OneCpu, shellNoCache;
    std::map<int, Runs> byCount;
    QJsonObject shellSwitch, floorSwitch, wizard, captureFlick, floorFlick;
    if (timesWanted) {
        for (int i = 0; i < runs; ++i) {
            progress(QStringLiteral("start-up run %1 of %2").arg(i + 1).arg(runs));
            controls1.append(runner.run(controls1Start));
            bare.append(runner.run(windowStart));
            shell.append(runner.run(shellStart, defaultRootfs));
            shellNoCache.append(runner.run(shellStart, defaultRootfs, {}, kChildTimeoutMs, readOnlyRoot));
            captureList.append(runner.run(captureListStart));
            if (!oneCpu.isEmpty()) {
                controls1OneCpu.append(runner.run(controls1Start, QString(), oneCpu));
                shellOneCpu.append(runner.run(shellStart, defaultRootfs, oneCpu));
            }
        }
        for (int i = 0; i < runs; ++i) {
            progress(QStringLiteral("start-up with 1, 6, 20 and 50 apps, run %1 of %2").arg(i + 1).arg(runs));
            for (int count : kAppCounts)
                byCount[count].append(runner.run(shellStart, countRootfs[count]));
        }
        progress(QStringLiteral("%1 app switches").arg(switches));
        // A probe of many rounds gives up later than one start; waited for
        // until then and a little more, so that its own time-out is reported.
        auto roundsTimeoutMs = [](int rounds) { return std::max(kChildTimeoutMs, bench::probeTimeoutMs(rounds) + 30000); };
        shellSwitch = runner.run({QStringLiteral("shell"), QStringLiteral("switch"), QString::number(switches)},
                                 defaultRootfs, {}, roundsTimeoutMs(switches));
        floorSwitch = runner.run({QStringLiteral("floor"), QStringLiteral("controls1"), QStringLiteral("switch"),
                                  QString::number(switches)});
        const int wizardRounds = std::max(runs, kWizardRounds);
        progress(QStringLiteral("wizard, %1 rounds").arg(wizardRounds));
        wizard = runner.run({QStringLiteral("shell"), QStringLiteral("wizard"), QString::number(wizardRounds)},
                            defaultRootfs, {}, roundsTimeoutMs(wizardRounds));
        progress(QStringLiteral("flicking through the lists"));
        captureFlick = runner.run({QStringLiteral("capture-list"), QStringLiteral("flick")});
        floorFlick = runner.run({QStringLiteral("floor"), QStringLiteral("controls1"), QStringLiteral("flick"), repeats});
    }

    // Instructions: the probes' own counts where they have them, else one
    // callgrind run of each (GUI thread and whole process).
    Runs shellCounts = shell;
    Runs floorCounts = controls1;
    Runs bareCounts = bare;
    Runs pageCounts{shellSwitch, wizard};
    Runs floorPageCounts{floorSwitch};
    Runs noCacheCounts = shellNoCache;
    std::map<int, Runs> countCounts = byCount;
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (instructionMode != QLatin1String("off") && !(timesWanted && countedItself(shell))) {
        if (valgrind.isEmpty()) {
            progress(QStringLiteral("no instruction counters and no valgrind: no instruction rows "
                                    "(install the Debian package valgrind)"));
            shellCounts = floorCounts = bareCounts = pageCounts = floorPageCounts = noCacheCounts = Runs();
            countCounts.clear();
        } else {
            const QString callgrindRepeats = QString::number(kCallgrindRepeats);
            progress(QStringLiteral("instructions under callgrind: the shell, its page changes (a few minutes)"));
            const QJsonObject pages = runner.callgrind(
                valgrind, {QStringLiteral("shell"), QStringLiteral("pages"), callgrindRepeats}, defaultRootfs,
                QStringLiteral("shell"));
            shellCounts = pageCounts = Runs{pages};
            progress(QStringLiteral("instructions under callgrind: the floor and the bare window"));
            floorCounts = floorPageCounts = Runs{runner.callgrind(
                valgrind, {QStringLiteral("floor"), QStringLiteral("controls1"), QStringLiteral("switch"),
                           callgrindRepeats}, QString(), QStringLiteral("floor"))};
            bareCounts = Runs{runner.callgrind(valgrind, {QStringLiteral("floor"), QStringLiteral("window"),
                                                          QStringLiteral("start"), QStringLiteral("1")},
                                               QString(), QStringLiteral("bare"))};
            progress(QStringLiteral("instructions under callgrind: a start on a read-only root"));
            noCacheCounts = Runs{runner.callgrind(
                valgrind, {QStringLiteral("shell"), QStringLiteral("start"), QStringLiteral("1")}, defaultRootfs,
                QStringLiteral("read-only-root"), readOnlyRoot)};
            countCounts.clear();
            for (int count : {1, 50}) {
                progress(QStringLiteral("instructions under callgrind: start-up with %1 app%2")
                             .arg(count).arg(count == 1 ? "" : "s"));
                countCounts[count] = Runs{runner.callgrind(
                    valgrind, {QStringLiteral("shell"), QStringLiteral("start"), QStringLiteral("1")},
                    countRootfs[count], QStringLiteral("apps-%1").arg(count))};
            }
        }
    }

    using bench::Comparison;
    using bench::Row;
    using bench::p95Of;
    using bench::statsOf;
    QVector<Row> rows;
    // The instruction rows of a phase or step, one for the GUI thread and one
    // for the whole process.
    auto instructionRows = [&rows](const QString &section, const QString &figure, const QString &goal,
                                   const std::function<bench::Stats(const QString &)> &shellOf,
                                   const std::function<bench::Stats(const QString &)> &floorOf,
                                   const std::function<bench::Stats(const QString &)> &bareOf) {
        for (const QString &thread : {kGui, kProcess}) {
            rows.append({section, figure + QStringLiteral(", ") + threadText(thread), kInstructionUnit,
                         shellOf(thread), floorOf ? floorOf(thread) : bench::Stats(), Comparison::Ratio, goal,
                         bareOf ? bareOf(thread) : bench::Stats()});
        }
    };
    auto phaseOf = [](const Runs &runs, const QString &name) {
        return [runs, name](const QString &thread) { return phaseInstructions(runs, thread, name); };
    };
    auto stepOf = [](const Runs &runs, const QString &name) {
        return [runs, name](const QString &thread) { return stepInstructions(runs, thread, name); };
    };
    const QString startup = QStringLiteral("Start-up, six default apps, Home first");
    rows.append({startup, QStringLiteral("Start to first frame of the start-up app"), QStringLiteral("ms"),
                 statsOf(values(shell, QStringLiteral("firstFrame"))),
                 statsOf(values(controls1, QStringLiteral("firstFrame"))), Comparison::Ratio,
                 QStringLiteral("<= 1.5x"), statsOf(values(bare, QStringLiteral("firstFrame")))});
    instructionRows(startup, QStringLiteral("Instructions to first frame"), QStringLiteral("<= 1.5x"),
                    phaseOf(shellCounts, QStringLiteral("firstFrame")),
                    phaseOf(floorCounts, QStringLiteral("firstFrame")), phaseOf(bareCounts, QStringLiteral("firstFrame")));
    rows.append({startup, QStringLiteral("First frame on one CPU (taskset -c 0)"), QStringLiteral("ms"),
                 statsOf(values(shellOneCpu, QStringLiteral("firstFrame"))),
                 statsOf(values(controls1OneCpu, QStringLiteral("firstFrame"))), Comparison::Ratio,
                 QStringLiteral("<= 1.5x"), {}});
    rows.append({startup, QStringLiteral("Start to all apps loaded (floor: its first frame)"), QStringLiteral("ms"),
                 statsOf(values(shell, QStringLiteral("allLoaded"))),
                 statsOf(values(controls1, QStringLiteral("firstFrame"))), Comparison::Ratio,
                 QStringLiteral("<= 2.5x"), {}});
    instructionRows(startup, QStringLiteral("Instructions to all loaded"), QStringLiteral("<= 2.5x"),
                    phaseOf(shellCounts, QStringLiteral("allLoaded")),
                    phaseOf(floorCounts, QStringLiteral("firstFrame")), nullptr);
    rows.append({startup, QStringLiteral("All loaded on one CPU (taskset -c 0)"), QStringLiteral("ms"),
                 statsOf(values(shellOneCpu, QStringLiteral("allLoaded"))),
                 statsOf(values(controls1OneCpu, QStringLiteral("firstFrame"))), Comparison::Ratio,
                 QStringLiteral("<= 2.5x"), {}});
    rows.append({startup, QStringLiteral("Start to event loop (floor: window loaded)"), QStringLiteral("ms"),
                 statsOf(values(shell, QStringLiteral("eventLoop"))),
                 statsOf(values(controls1, QStringLiteral("loaded"))), Comparison::Ratio, QString(),
                 statsOf(values(bare, QStringLiteral("loaded")))});
    rows.append({startup, QStringLiteral("Instructions to event loop, GUI thread"), kInstructionUnit,
                 phaseInstructions(shellCounts, kGui, QStringLiteral("eventLoop")),
                 phaseInstructions(floorCounts, kGui, QStringLiteral("loaded")), Comparison::Ratio, QString(),
                 phaseInstructions(bareCounts, kGui, QStringLiteral("loaded"))});
    rows.append({startup, QStringLiteral("Peak memory (VmHWM) after all loaded"), QStringLiteral("MiB"),
                 statsOf(values(shell, QStringLiteral("peakMemoryMb"))),
                 statsOf(values(controls1, QStringLiteral("peakMemoryMb"))), Comparison::Difference,
                 QStringLiteral("<= +25 MiB"), statsOf(values(bare, QStringLiteral("peakMemoryMb")))});
    rows.append({startup, QStringLiteral("Cold QML cache: first frame (1 run)"), QStringLiteral("ms"),
                 one(coldShell, QStringLiteral("firstFrame")), one(coldFloor, QStringLiteral("firstFrame")),
                 Comparison::Ratio, QString(), {}});
    rows.append({startup, QStringLiteral("Cold QML cache: all loaded (1 run)"), QStringLiteral("ms"),
                 one(coldShell, QStringLiteral("allLoaded")), one(coldFloor, QStringLiteral("firstFrame")),
                 Comparison::Ratio, QString(), {}});
    rows.append({startup, QStringLiteral("Read-only root, no QML cache: first frame (floor: warm)"), QStringLiteral("ms"),
                 statsOf(values(shellNoCache, QStringLiteral("firstFrame"))),
                 statsOf(values(shell, QStringLiteral("firstFrame"))), Comparison::Ratio, QStringLiteral("<= 1.15x"),
                 {}});
    instructionRows(startup, QStringLiteral("Read-only root: instructions to first frame (floor: warm)"),
                    QStringLiteral("<= 1.15x"), phaseOf(noCacheCounts, QStringLiteral("firstFrame")),
                    phaseOf(shellCounts, QStringLiteral("firstFrame")), nullptr);
    rows.append({startup, QStringLiteral("Read-only root, no QML cache: all loaded (floor: warm)"), QStringLiteral("ms"),
                 statsOf(values(shellNoCache, QStringLiteral("allLoaded"))),
                 statsOf(values(shell, QStringLiteral("allLoaded"))), Comparison::Ratio, QStringLiteral("<= 1.15x"),
                 {}});
    instructionRows(startup, QStringLiteral("Read-only root: instructions to all loaded (floor: warm)"),
                    QStringLiteral("<= 1.15x"), phaseOf(noCacheCounts, QStringLiteral("allLoaded")),
                    phaseOf(shellCounts, QStringLiteral("allLoaded")), nullptr);
    rows.append({startup, QStringLiteral("QML cache files written by the first start"), QStringLiteral("files"),
                 statsOf({double(cacheFilesWritten)}), {}, Comparison::None, QString(), {}});

    const QString switching = QStringLiteral("Switching: action to the next frame");
    const bench::Stats floorPage = statsOf(arrayValues(floorSwitch, QStringLiteral("switches.nextFrame")));
    const bench::Stats floorPageP95 = bench::p95Of(floorPage);
    const auto floorPageSteps = stepOf(floorPageCounts, QStringLiteral("switch"));
    rows.append({switching, QStringLiteral("App switch, %1 switches (floor: page replace)").arg(switches),
                 QStringLiteral("ms"), statsOf(arrayValues(shellSwitch, QStringLiteral("switches.nextFrame"))),
                 floorPage, Comparison::Ratio, QStringLiteral("< 3 ms"), {}});
    rows.append({switching, QStringLiteral("App switch: 95th percentile"), QStringLiteral("ms"),
                 p95Of(statsOf(arrayValues(shellSwitch, QStringLiteral("switches.nextFrame")))), floorPageP95, Comparison::Ratio,
                 QStringLiteral("< 8 ms"), {}});
    instructionRows(switching, QStringLiteral("App switch: instructions"), QString(),
                    stepOf(pageCounts, QStringLiteral("switch")), floorPageSteps, nullptr);
    rows.append({switching, QStringLiteral("App switch: frames that missed 60 Hz"), QStringLiteral("frames"),
                 one(shellSwitch, QStringLiteral("switches.dropped")),
                 one(floorSwitch, QStringLiteral("switches.dropped")), Comparison::None, QStringLiteral("0"), {}});
    rows.append({switching, QStringLiteral("App switch: longest frame interval"), QStringLiteral("ms"),
                 statsOf(arrayValues(shellSwitch, QStringLiteral("switches.longestInterval"))),
                 statsOf(arrayValues(floorSwitch, QStringLiteral("switches.longestInterval"))), Comparison::Ratio,
                 QString(), {}});
    rows.append({switching, QStringLiteral("First visit of each app"), QStringLiteral("ms"),
                 statsOf(arrayValues(shellSwitch, QStringLiteral("firstVisits.nextFrame"))), {}, Comparison::None,
                 QString(), {}});
    rows.append({switching, QStringLiteral("Wizard: tile pick to the next page"), QStringLiteral("ms"),
                 statsOf(arrayValues(wizard, QStringLiteral("tilePick.nextFrame"))), floorPage, Comparison::Ratio,
                 QStringLiteral("< 3 ms"), {}});
    rows.append({switching, QStringLiteral("Tile pick: 95th percentile"), QStringLiteral("ms"),
                 p95Of(statsOf(arrayValues(wizard, QStringLiteral("tilePick.nextFrame")))), floorPageP95, Comparison::Ratio,
                 QStringLiteral("< 8 ms"), {}});
    instructionRows(switching, QStringLiteral("Tile pick: instructions"), QString(),
                    stepOf(pageCounts, QStringLiteral("tilePick")), floorPageSteps, nullptr);
    rows.append({switching, QStringLiteral("Wizard: Go Back"), QStringLiteral("ms"),
                 statsOf(arrayValues(wizard, QStringLiteral("goBack.nextFrame"))), floorPage, Comparison::Ratio,
                 QStringLiteral("< 3 ms"), {}});
    rows.append({switching, QStringLiteral("Go Back: 95th percentile"), QStringLiteral("ms"),
                 p95Of(statsOf(arrayValues(wizard, QStringLiteral("goBack.nextFrame")))), floorPageP95, Comparison::Ratio,
                 QStringLiteral("< 8 ms"), {}});
    instructionRows(switching, QStringLiteral("Go Back: instructions"), QString(),
                    stepOf(pageCounts, QStringLiteral("goBack")), floorPageSteps, nullptr);
    rows.append({switching, QStringLiteral("Home to the wizard's first page"), QStringLiteral("ms"),
                 statsOf(arrayValues(wizard, QStringLiteral("homeToWizard.nextFrame"))), floorPage,
                 Comparison::Ratio, QStringLiteral("< 3 ms"), {}});
    rows.append({switching, QStringLiteral("Home to the wizard: 95th percentile"), QStringLiteral("ms"),
                 p95Of(statsOf(arrayValues(wizard, QStringLiteral("homeToWizard.nextFrame")))), floorPageP95, Comparison::Ratio,
                 QStringLiteral("< 8 ms"), {}});
    instructionRows(switching, QStringLiteral("Home to the wizard: instructions"), QString(),
                    stepOf(pageCounts, QStringLiteral("homeToWizard")), floorPageSteps, nullptr);
    rows.append({switching, QStringLiteral("Wizard: frames that missed 60 Hz"), QStringLiteral("frames"),
                 sum(Runs{wizard}, {QStringLiteral("tilePick.dropped"), QStringLiteral("goBack.dropped"),
                                    QStringLiteral("homeToWizard.dropped")}),
                 {}, Comparison::None, QStringLiteral("0"), {}});

    const QString capture = QStringLiteral("Capture list, 500 captures (floor: the Controls 1 list page)");
    rows.append({capture, QStringLiteral("Creation of window, app and captures"), QStringLiteral("ms"),
                 statsOf(values(captureList, QStringLiteral("open"))),
                 statsOf(values(controls1, QStringLiteral("load"))), Comparison::Ratio, QString(), {}});
    rows.append({capture, QStringLiteral("Creation to the first frame of its page"), QStringLiteral("ms"),
                 statsOf(values(captureList, QStringLiteral("openToFirstFrame"))),
                 statsOf(values(controls1, QStringLiteral("loadToFirstFrame"))), Comparison::Ratio, QString(), {}});
    rows.append({capture, QStringLiteral("Flick through the list: frame cost, median"), QStringLiteral("ms"),
                 one(captureFlick, QStringLiteral("flick.cost.median")),
                 one(floorFlick, QStringLiteral("flick.cost.median")), Comparison::Ratio, QString(), {}});
    rows.append({capture, QStringLiteral("Flick: frame cost, 95th percentile"), QStringLiteral("ms"),
                 one(captureFlick, QStringLiteral("flick.cost.p95")),
                 one(floorFlick, QStringLiteral("flick.cost.p95")), Comparison::Ratio, QString(), {}});
    rows.append({capture, QStringLiteral("Flick: GUI thread busy per frame, 95th percentile"), QStringLiteral("ms"),
                 one(captureFlick, QStringLiteral("flick.busy.p95")),
                 one(floorFlick, QStringLiteral("flick.busy.p95")), Comparison::Ratio, QString(), {}});
    rows.append({capture, QStringLiteral("Flick: frames that missed 60 Hz"), QStringLiteral("frames"),
                 one(captureFlick, QStringLiteral("flick.dropped")), one(floorFlick, QStringLiteral("flick.dropped")),
                 Comparison::None, QString(), {}});

    const QString counts = QStringLiteral("Start-up by installed apps, Home and bench apps (floor: 1 app)");
    const bench::Stats firstOne = statsOf(values(byCount[1], QStringLiteral("firstFrame")));
    const bench::Stats allOne = statsOf(values(byCount[1], QStringLiteral("allLoaded")));
    for (int count : kAppCounts) {
        rows.append({counts, QStringLiteral("First frame, %1 app%2").arg(count).arg(count == 1 ? "" : "s"), QStringLiteral("ms"),
                     statsOf(values(byCount[count], QStringLiteral("firstFrame"))), firstOne, Comparison::Ratio,
                     count == 50 ? QStringLiteral("<= 1.10x") : QString(), {}});
    }
    for (int count : {1, 50}) {
        instructionRows(counts, QStringLiteral("Instructions to first frame, %1 app%2").arg(count).arg(count == 1 ? "" : "s"),
                        count == 50 ? QStringLiteral("<= 1.10x") : QString(),
                        phaseOf(countCounts[count], QStringLiteral("firstFrame")),
                        phaseOf(countCounts[1], QStringLiteral("firstFrame")), nullptr);
    }
    for (int count : kAppCounts) {
        rows.append({counts, QStringLiteral("All loaded, %1 app%2").arg(count).arg(count == 1 ? "" : "s"), QStringLiteral("ms"),
                     statsOf(values(byCount[count], QStringLiteral("allLoaded"))), allOne, Comparison::Ratio,
                     count == 50 ? QStringLiteral("linear") : QString(), {}});
    }
    for (int i = 1; i < kAppCounts.size(); ++i) {
        const int from = kAppCounts[i - 1];
        const int to = kAppCounts[i];
        const bench::Stats fromStats = statsOf(values(byCount[from], QStringLiteral("allLoaded")));
        const bench::Stats toStats = statsOf(values(byCount[to], QStringLiteral("allLoaded")));
        const bench::Stats growth = fromStats.isEmpty() || toStats.isEmpty()
                                        ? bench::Stats()
                                        : statsOf({(toStats.median - fromStats.median) / (to - from)});
        rows.append({counts, QStringLiteral("All loaded, per added app from %1 to %2").arg(from).arg(to),
                     QStringLiteral("ms/app"), growth, {}, Comparison::None, QString(), {}});
    }
    Runs allShellRuns = shell + shellOneCpu + shellNoCache;
    allShellRuns << shellSwitch << wizard;
    for (const auto &entry : byCount)
        allShellRuns << entry.second;
    if (!countedItself(shell)) {
        allShellRuns << pageCounts;
        for (const auto &entry : countCounts)
            allShellRuns << entry.second;
    }
    rows.append({QStringLiteral("Checks"), QStringLiteral("Warnings in the log, all shell runs"),
                 QStringLiteral("lines"), statsOf({double(warningCount(allShellRuns))}),
                 statsOf({double(warningCount(controls1 + bare + controls1OneCpu))}), Comparison::None,
                 QStringLiteral("0"), {}});
    const QString instructionSource =
        shellCounts.isEmpty() ? QStringLiteral("none")
        : countedItself(shellCounts) ? QStringLiteral("the CPU's counters (perf_event_open), every run")
                                     : QStringLiteral("callgrind, one run of each");

    const QString date = QDateTime::currentDateTime().toString(Qt::ISODate);
    const QString machine = QStringLiteral("%1 CPUs, %2").arg(QThread::idealThreadCount()).arg(cpuModel());
    const QString header =
        QStringLiteral("Veltra shell benchmark, %1, %2, Qt %3, offscreen/software, %4 runs after a warm-up;\n"
                       "median [min-max]; times from the start of main(); instructions: %5.\n")
            .arg(date, machine, QString::fromLatin1(qVersion()))
            .arg(runs)
            .arg(instructionSource);
    std::printf("\n%s\n%s", qPrintable(header), qPrintable(bench::tableText(rows)));

    QJsonArray rowArray;
    for (const Row &row : rows)
        rowArray.append(bench::rowJson(row));
    const QJsonObject json{{QStringLiteral("date"), date},
                           {QStringLiteral("machine"), machine},
                           {QStringLiteral("qt"), QString::fromLatin1(qVersion())},
                           {QStringLiteral("runs"), runs},
                           {QStringLiteral("switches"), switches},
                           {QStringLiteral("instructions"), instructionSource},
                           {QStringLiteral("rows"), rowArray}};
    QFile file(jsonPath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(json).toJson());
        std::printf("\nveltra_bench: results written to %s\n", qPrintable(QFileInfo(file).absoluteFilePath()));
    } else {
        progress(QStringLiteral("cannot write %1").arg(jsonPath));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--probe") == 0) {
        bench::startClock();
        const QString probe = QString::fromLocal8Bit(argv[2]);
        auto arg = [argc, argv](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
        if (probe == QLatin1String("shell"))
            return bench::runShellProbe(argc, argv, arg(3), arg(4).toInt());
        if (probe == QLatin1String("floor"))
            return bench::runFloorProbe(argc, argv, arg(3), arg(4), arg(5).toInt());
        if (probe == QLatin1String("capture-list"))
            return bench::runCaptureListProbe(argc, argv, arg(3));
        std::fprintf(stderr, "veltra_bench: unknown probe %s\n", argv[2]);
        return 2;
    }
    return runBenchmark(argc, argv);
}
