#include "instructioncounts.h"

#include <QJsonArray>

#include <cstdint>
#include <linux/perf_event.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifdef VELTRA_BENCH_HAVE_CALLGRIND
#include <valgrind/callgrind.h>
#endif

namespace bench::instructions {

namespace {

// Waits are stretched this much under valgrind. Callgrind runs the shell 30 to
// 60 times slower than natively, but what the waits wait for is the gap
// between two frames of an animation, which stays well under ten times the
// native idle limit.
const double kValgrindSlowdown = 10;

struct Counter
{
    int fd = -1;
    std::uint64_t stepStart = 0;
    QJsonObject phases;
    QJsonObject steps;

    std::uint64_t read() const
    {
        std::uint64_t value = 0;
        if (fd < 0 || ::read(fd, &value, sizeof value) != sizeof value)
            return 0;
        return value;
    }
};

Counter g_gui;
Counter g_process;
bool g_started = false;

bool underCallgrind()
{
#ifdef VELTRA_BENCH_HAVE_CALLGRIND
    return RUNNING_ON_VALGRIND != 0;
#else
    return false;
#endif
}

// User-space instructions of the calling thread, or with `inherit` of it and
// every thread and process it starts from now on.
int openCounter(bool inherit)
{
    perf_event_attr attr{};
    attr.size = sizeof attr;
    attr.type = PERF_TYPE_HARDWARE;
    attr.config = PERF_COUNT_HW_INSTRUCTIONS;
    attr.exclude_kernel = 1;
    attr.exclude_hv = 1;
    attr.inherit = inherit ? 1 : 0;
    return int(syscall(SYS_perf_event_open, &attr, 0, -1, -1, PERF_FLAG_FD_CLOEXEC));
}

bool perfOpen()
{
    return g_gui.fd >= 0 && g_process.fd >= 0;
}

QJsonObject counterJson(const Counter &counter)
{
    return QJsonObject{{QStringLiteral("phases"), counter.phases}, {QStringLiteral("steps"), counter.steps}};
}

void appendStep(Counter &counter, const QString &name, std::uint64_t now)
{
    QJsonArray list = counter.steps.value(name).toArray();
    list.append(double(now - counter.stepStart));
    counter.steps.insert(name, list);
}

} // namespace

void start()
{
    if (g_started)
        return;
    g_started = true;
    // Under valgrind the counters would count valgrind's own work.
    if (underCallgrind())
        return;
    g_gui.fd = openCounter(false);
    g_process.fd = openCounter(true);
    if (!perfOpen()) {
        if (g_gui.fd >= 0)
            ::close(g_gui.fd);
        if (g_process.fd >= 0)
            ::close(g_process.fd);
        g_gui.fd = g_process.fd = -1;
    }
}

QString source()
{
    if (underCallgrind())
        return QStringLiteral("callgrind");
    return perfOpen() ? QStringLiteral("perf") : QString();
}

double slowdown()
{
    return underCallgrind() ? kValgrindSlowdown : 1;
}

void phase(const char *name)
{
    if (perfOpen()) {
        g_gui.phases.insert(QLatin1String(name), double(g_gui.read()));
        g_process.phases.insert(QLatin1String(name), double(g_process.read()));
        return;
    }
#ifdef VELTRA_BENCH_HAVE_CALLGRIND
    if (underCallgrind()) {
        const QByteArray label = QByteArray("phase:") + name;
        CALLGRIND_DUMP_STATS_AT(label.constData());
    }
#endif
}

void beginStep(const char *name)
{
    if (perfOpen()) {
        g_gui.stepStart = g_gui.read();
        g_process.stepStart = g_process.read();
        return;
    }
#ifdef VELTRA_BENCH_HAVE_CALLGRIND
    // A dump rather than zeroed counts: the step's own dump then holds a
    // profile of the step alone that callgrind_annotate reads as usual
    // (zeroing leaves the cost of the functions on the stack misplaced).
    if (underCallgrind()) {
        const QByteArray label = QByteArray("before:") + name;
        CALLGRIND_DUMP_STATS_AT(label.constData());
    }
#endif
}

void endStep(const char *name)
{
    if (perfOpen()) {
        appendStep(g_gui, QLatin1String(name), g_gui.read());
        appendStep(g_process, QLatin1String(name), g_process.read());
        return;
    }
#ifdef VELTRA_BENCH_HAVE_CALLGRIND
    if (underCallgrind()) {
        const QByteArray label = QByteArray("step:") + name;
        CALLGRIND_DUMP_STATS_AT(label.constData());
    }
#endif
}

QJsonObject json()
{
    if (!perfOpen())
        return QJsonObject();
    return QJsonObject{{QStringLiteral("gui"), counterJson(g_gui)}, {QStringLiteral("process"), counterJson(g_process)}};
}

} // namespace bench::instructions
