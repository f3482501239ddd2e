#include "benchprobes.h"

#include "appmanager.h"
#include "framemeter.h"
#include "instructioncounts.h"
#include "sorvelsession.h"
#include "startup.h"
#include "timedapplication.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace bench {

const char kResultPrefix[] = "VELTRA_BENCH_RESULT ";

namespace {

// One 60 Hz period; a frame interval longer than one and a half periods means
// the frame missed its slot.
const double kFramePeriodMs = 1000.0 / 60.0;
const double kDroppedIntervalMs = 1.5 * kFramePeriodMs;
// The window counts as idle once no frame came for this long. Waits and
// time-outs are stretched by instructions::slowdown() under valgrind.
const int kIdleMs = 80;
const int kIdleCapMs = 3000;
const int kFrameTimeoutMs = 5000;
const int kReflickMs = 400;
const int kFlickTimeoutMs = 60000;

QElapsedTimer g_clock;
std::function<void(const QString &)> g_debugHook;
QStringList g_warnings;
// Every frame a probe's window swapped, in ms since the clock started.
QVector<double> g_frames;
// The phase or step whose instructions end at the next frame, if any.
const char *g_phaseAtNextFrame = nullptr;
const char *g_stepAtNextFrame = nullptr;

double since()
{
    return g_clock.nsecsElapsed() / 1e6;
}

int stretched(int milliseconds)
{
    return int(milliseconds * instructions::slowdown());
}

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The shell's debug log is read, not printed: printing it would weigh on the
    // shell alone. Warnings go to standard error and into the result.
    if (type == QtDebugMsg || type == QtInfoMsg) {
        // VELTRA_BENCH_TRACE=1 prints the log with times, to see where they go.
        static const bool trace = qEnvironmentVariableIntValue("VELTRA_BENCH_TRACE") == 1;
        if (trace)
            std::fprintf(stderr, "%8.2f %s\n", since(), qPrintable(message));
        if (g_debugHook)
            g_debugHook(message);
        return;
    }
    g_warnings.append(message);
    std::fprintf(stderr, "veltra_bench: %s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

// Peak resident set (VmHWM) of this process in MiB.
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

void waitMs(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// With the software scene graph, frames are drawn and swapped on the GUI
// thread: the instructions of a phase or step that ends at a frame end here.
void recordFrames(QQuickWindow *window)
{
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [] {
        g_frames.append(since());
        if (g_phaseAtNextFrame)
            instructions::phase(std::exchange(g_phaseAtNextFrame, nullptr));
        if (g_stepAtNextFrame)
            instructions::endStep(std::exchange(g_stepAtNextFrame, nullptr));
    }, Qt::DirectConnection);
}

// Waits for the first frame swapped after `after`; its time, or -1.
double waitForFrameAfter(QQuickWindow *window, double after, int timeoutMs = stretched(kFrameTimeoutMs))
{
    auto found = [after]() -> double {
        for (int i = g_frames.size() - 1; i >= 0 && g_frames[i] > after; --i) {
            if (i == 0 || g_frames[i - 1] <= after)
                return g_frames[i];
        }
        return -1;
    };
    if (found() >= 0)
        return found();
    QEventLoop loop;
    const auto connection = QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit,
                                             Qt::QueuedConnection);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    window->update();
    loop.exec();
    QObject::disconnect(connection);
    return found();
}

// Waits until no frame has come for kIdleMs (at most kIdleCapMs).
void waitForIdle()
{
    const double start = since();
    while (since() - start < stretched(kIdleCapMs)) {
        const double last = g_frames.isEmpty() ? start : std::max(start, g_frames.last());
        if (since() - last >= stretched(kIdleMs))
            return;
        waitMs(10);
    }
}

// Frame-change figures of one interaction: the time from the action to the
// next frame (and the instructions, as the step `name`), and the frames that
// missed their 60 Hz slot until the window was idle again (the first one when
// it took longer than a period, then any interval longer than one and a half
// periods).
struct Interaction
{
    const char *name = nullptr;
    QJsonArray nextFrame;
    QJsonArray longestInterval;
    int dropped = 0;
    int failed = 0;

    explicit Interaction(const char *stepName = nullptr)
        : name(stepName)
    {
    }

    void measure(QQuickWindow *window, const std::function<void()> &action)
    {
        g_stepAtNextFrame = name;
        if (name)
            instructions::beginStep(name);
        const double start = since();
        action();
        const double frame = waitForFrameAfter(window, start);
        g_stepAtNextFrame = nullptr;
        if (frame < 0) {
            ++failed;
            return;
        }
        waitForIdle();
        nextFrame.append(frame - start);
        double previous = frame;
        double longest = frame - start;
        if (frame - start > kFramePeriodMs)
            ++dropped;
        for (double t : g_frames) {
            if (t <= frame)
                continue;
            longest = std::max(longest, t - previous);
            if (t - previous > kDroppedIntervalMs)
                ++dropped;
            previous = t;
        }
        longestInterval.append(longest);
    }

    QJsonObject json() const
    {
        return QJsonObject{{QStringLiteral("nextFrame"), nextFrame},
                           {QStringLiteral("longestInterval"), longestInterval},
                           {QStringLiteral("dropped"), dropped},
                           {QStringLiteral("failed"), failed}};
    }
};

// A tap: press and release at the item's centre.
void tap(QQuickWindow *window, QQuickItem *item)
{
    const QPointF point = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QMouseEvent press(QEvent::MouseButtonPress, point, point, window->mapToGlobal(point.toPoint()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, point, window->mapToGlobal(point.toPoint()),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &release);
}

// The first item whose object name starts with `prefix` that is shown and whose
// centre lies in the window. Walks the visual tree: items that views and
// repeaters create have no QObject parent.
QQuickItem *shownItem(QQuickWindow *window, const QString &prefix)
{
    const QRectF area(0, 0, window->width(), window->height());
    QVector<QQuickItem *> pending{window->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (!item->isVisible())
            continue;
        if (item->objectName().startsWith(prefix) && item->width() > 0
            && area.contains(item->mapToScene(QPointF(item->width() / 2, item->height() / 2)))) {
            return item;
        }
        const QList<QQuickItem *> children = item->childItems();
        for (QQuickItem *child : children)
            pending.append(child);
    }
    return nullptr;
}

void printResult(QJsonObject result)
{
    result.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(g_warnings));
    result.insert(QStringLiteral("instructionSource"), instructions::source());
    const QJsonObject counts = instructions::json();
    if (!counts.isEmpty())
        result.insert(QStringLiteral("instructions"), counts);
    std::printf("%s%s\n", kResultPrefix, QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

QVariantList sortedIds(const AppManager *appManager)
{
    QVariantList records = appManager->appMetadataList().toList();
    std::stable_sort(records.begin(), records.end(), [](const QVariant &a, const QVariant &b) {
        return a.toMap().value(QStringLiteral("sequence")).toDouble()
               < b.toMap().value(QStringLiteral("sequence")).toDouble();
    });
    QVariantList ids;
    for (const QVariant &record : records)
        ids.append(record.toMap().value(QStringLiteral("id")));
    return ids;
}

void launchApp(QObject *root, const QString &appId)
{
    QMetaObject::invokeMethod(root, "launchApp", Q_ARG(QVariant, appId), Q_ARG(QVariant, QVariant()));
}

// Flicks at the list's top speed, again every kReflickMs, until it reaches the end.
bool flickToEnd(QQuickItem *list)
{
    QElapsedTimer clock;
    clock.start();
    const qreal velocity = list->property("maximumFlickVelocity").toReal();
    while (!list->property("atYEnd").toBool()) {
        if (clock.elapsed() > kFlickTimeoutMs)
            return false;
        QMetaObject::invokeMethod(list, "flick", Q_ARG(qreal, 0), Q_ARG(qreal, -velocity));
        waitMs(kReflickMs);
    }
    while (list->property("moving").toBool() && clock.elapsed() <= kFlickTimeoutMs)
        waitMs(50);
    return true;
}

QJsonObject summaryJson(const FrameMeter::Summary &summary)
{
    return QJsonObject{{QStringLiteral("frames"), summary.frames},
                       {QStringLiteral("median"), summary.median},
                       {QStringLiteral("p95"), summary.p95},
                       {QStringLiteral("max"), summary.max}};
}

// Flicks through the whole list and returns its frame figures.
QJsonObject flickFigures(QQuickWindow *window, QQuickItem *list, const TimedApplication &application)
{
    if (!list)
        return QJsonObject{{QStringLiteral("error"), QStringLiteral("no list")}};
    FrameMeter meter(window, &application);
    const int firstFrame = g_frames.size();
    const double start = since();
    meter.start();
    const bool reached = flickToEnd(list);
    meter.stop();
    int dropped = 0;
    for (int i = firstFrame + 1; i < g_frames.size(); ++i) {
        if (g_frames[i] - g_frames[i - 1] > kDroppedIntervalMs)
            ++dropped;
    }
    return QJsonObject{{QStringLiteral("reachedEnd"), reached},
                       {QStringLiteral("lines"), list->property("count").toInt()},
                       {QStringLiteral("seconds"), (since() - start) / 1000},
                       {QStringLiteral("cost"), summaryJson(meter.frameCost())},
                       {QStringLiteral("busy"), summaryJson(meter.busyPerFrame())},
                       {QStringLiteral("interval"), summaryJson(meter.frameInterval())},
                       {QStringLiteral("dropped"), dropped}};
}

// What a window holds, by type: every object reachable from it through the
// QObject tree or the visual tree (items that views and repeaters create have
// only a visual parent), counted under its type's name (a QML document's
// name for its instances, "QQuickText" for a plain Text); and the text items
// with the fonts they ask for, each new font a font engine the first time.
QJsonObject censusOf(QQuickWindow *window)
{
    QSet<QObject *> seen;
    QVector<QObject *> pending{window};
    std::map<QString, int> types;
    QSet<QString> fonts;
    int texts = 0;
    static const QRegularExpression generated(QStringLiteral("(_QML(TYPE)?_\\d+)+$"));
    while (!pending.isEmpty()) {
        QObject *object = pending.takeLast();
        if (!object || seen.contains(object))
            continue;
        seen.insert(object);
        QString type = QString::fromLatin1(object->metaObject()->className());
        type.remove(generated);
        ++types[type];
        if (object->inherits("QQuickText") || object->inherits("QQuickTextInput")
            || object->inherits("QQuickTextEdit")) {
            ++texts;
            const QFont font = object->property("font").value<QFont>();
            fonts.insert(font.family() + QLatin1Char('/') + QString::number(font.pixelSize()) + QLatin1Char('/')
                         + QString::number(font.pointSizeF()) + QLatin1Char('/') + QString::number(font.weight())
                         + (font.italic() ? QStringLiteral("/i") : QString()));
        }
        for (QObject *child : object->children())
            pending.append(child);
        if (auto *item = qobject_cast<QQuickItem *>(object)) {
            for (QQuickItem *child : item->childItems())
                pending.append(child);
        } else if (auto *quickWindow = qobject_cast<QQuickWindow *>(object)) {
            pending.append(quickWindow->contentItem());
        }
    }
    QJsonObject byType;
    for (const auto &entry : types)
        byType.insert(entry.first, entry.second);
    return QJsonObject{{QStringLiteral("objects"), seen.size()},
                       {QStringLiteral("types"), byType},
                       {QStringLiteral("textItems"), texts},
                       {QStringLiteral("fonts"), fonts.size()}};
}

QString windowSize(const QQuickWindow *window)
{
    return QStringLiteral("%1x%2").arg(window->width()).arg(window->height());
}

} // namespace

void startClock()
{
    g_clock.start();
    instructions::start();
    qInstallMessageHandler(messageHandler);
}

int probeTimeoutMs(int rounds)
{
    return kProbeStartMs + std::max(0, rounds) * kRoundMs;
}

int runShellProbe(int &argc, char **argv, const QString &scenario, int repeats)
{
    QJsonObject result{{QStringLiteral("probe"), QStringLiteral("shell")}, {QStringLiteral("scenario"), scenario}};
    QQuickWindow *window = nullptr;
    AppManager *appManager = nullptr;
    double firstFrame = -1;
    double firstAppFrame = -1;
    double allLoaded = -1;
    bool ready = false;

    std::function<void()> measure = [&] {
        result.insert(QStringLiteral("firstFrame"), firstAppFrame);
        result.insert(QStringLiteral("firstAnyFrame"), firstFrame);
        result.insert(QStringLiteral("allLoaded"), allLoaded);
        result.insert(QStringLiteral("peakMemoryMb"), peakMemoryMb());
        result.insert(QStringLiteral("window"), windowSize(window));
        // "pages" is both: the app switches, then the wizard.
        const bool switching = scenario == QLatin1String("switch") || scenario == QLatin1String("pages");
        const bool wizardRounds = scenario == QLatin1String("wizard") || scenario == QLatin1String("pages");
        if (switching || wizardRounds) {
            waitForIdle();
            const QVariantList ids = sortedIds(appManager);
            result.insert(QStringLiteral("apps"), QJsonArray::fromVariantList(ids));
            if (switching) {
                // One round through every app first: each app's first start and
                // first page are not what a switch between loaded apps costs.
                Interaction firstVisits("firstVisit");
                Interaction switches("switch");
                for (int i = 0; i < ids.size() + repeats; ++i) {
                    const QString target = ids[(i + 1) % ids.size()].toString();
                    (i < ids.size() ? firstVisits : switches).measure(window, [&] { launchApp(window, target); });
                }
                result.insert(QStringLiteral("firstVisits"), firstVisits.json());
                result.insert(QStringLiteral("switches"), switches.json());
            }
            if (wizardRounds) {
                const QString home = QStringLiteral("com.ostrelle.veltra.Home");
                const QString wizard = QStringLiteral("com.ostrelle.veltra.Lumvar");
                Interaction toWizard("homeToWizard");
                Interaction pick("tilePick");
                Interaction back("goBack");
                Interaction unused;
                // Round 0 warms up and is not counted.
                for (int round = 0; round <= repeats; ++round) {
                    unused.measure(window, [&] { launchApp(window, home); });
                    (round ? toWizard : unused).measure(window, [&] { launchApp(window, wizard); });
                    QQuickItem *tile = shownItem(window, QStringLiteral("tile_"));
                    if (!tile) {
                        result.insert(QStringLiteral("error"), QStringLiteral("no wizard tile shown"));
                        break;
                    }
                    (round ? pick : unused).measure(window, [&] { tap(window, tile); });
                    QQuickItem *backButton = shownItem(window, QStringLiteral("backButton"));
                    if (!backButton) {
                        result.insert(QStringLiteral("error"), QStringLiteral("no back button shown"));
                        break;
                    }
                    (round ? back : unused).measure(window, [&] { tap(window, backButton); });
                }
                result.insert(QStringLiteral("homeToWizard"), toWizard.json());
                result.insert(QStringLiteral("tilePick"), pick.json());
                result.insert(QStringLiteral("goBack"), back.json());
            }
        }
        printResult(result);
        QCoreApplication::exit(0);
    };
    auto checkReady = [&] {
        if (ready || firstAppFrame < 0 || allLoaded < 0)
            return;
        ready = true;
        QTimer::singleShot(0, window, measure);
    };
    auto attach = [&] {
        for (QWindow *candidate : QGuiApplication::topLevelWindows()) {
            window = qobject_cast<QQuickWindow *>(candidate);
            if (!window)
                continue;
            recordFrames(window);
            QObject::connect(window, &QQuickWindow::frameSwapped, window, [&] {
                if (firstFrame < 0)
                    firstFrame = since();
                if (firstAppFrame < 0 && window->property("__currApp").value<QObject *>()) {
                    firstAppFrame = since();
                    instructions::phase("firstFrame");
                    if (scenario == QLatin1String("census"))
                        result.insert(QStringLiteral("census"), censusOf(window));
                    checkReady();
                }
            }, Qt::DirectConnection);
            return;
        }
    };
    g_debugHook = [&](const QString &message) {
        if (!window && message.startsWith(QLatin1String("VELTRARootApp ApplicationWindow Component.onCompleted")))
            attach();
        else if (allLoaded < 0 && message.startsWith(QLatin1String("call allAppsLoaded: diagtime="))) {
            allLoaded = since();
            instructions::phase("allLoaded");
            checkReady();
        }
    };

    tarvik::StartupOptions options;
    options.powerOffProgram = QStringLiteral("/bin/true");
    options.programDir = QStringLiteral(VELTRA_STAGE_BIN_DIR);
    options.beforeEventLoop = [&](tarvik::StartupContext &context) {
        result.insert(QStringLiteral("eventLoop"), since());
        instructions::phase("eventLoop");
        appManager = context.appManager;
        if (!window)
            attach();
        // The other apps wait for the first frame or for a fallback of a
        // second; under valgrind the frame comes later than that, and the
        // apps loading first would be counted in it.
        if (instructions::slowdown() > 1 && context.rootWindow) {
            if (QObject *watch = context.rootWindow->findChild<QObject *>(QStringLiteral("firstFrameWatch")))
                watch->setProperty("fallbackInterval", stretched(kProbeStartMs));
        }
        QTimer::singleShot(stretched(probeTimeoutMs(repeats)), context.app, [&] {
            result.insert(QStringLiteral("error"), QStringLiteral("timed out"));
            result.insert(QStringLiteral("firstFrame"), firstAppFrame);
            result.insert(QStringLiteral("allLoaded"), allLoaded);
            printResult(result);
            QCoreApplication::exit(1);
        });
    };
    const int exitCode = tarvik::run(argc, argv, options);
    g_debugHook = nullptr;
    return exitCode;
}

int runFloorProbe(int &argc, char **argv, const QString &kind, const QString &scenario, int repeats)
{
    QJsonObject result{{QStringLiteral("probe"), QStringLiteral("floor")},
                       {QStringLiteral("kind"), kind},
                       {QStringLiteral("scenario"), scenario}};
    const bool flick = scenario == QLatin1String("flick");
    std::unique_ptr<QGuiApplication> app = flick ? std::make_unique<TimedApplication>(argc, argv)
                                                 : std::make_unique<QGuiApplication>(argc, argv);
    const double loadStart = since();
    QQmlApplicationEngine engine;
    // Any other kind is the URL of a document to measure the same way.
    engine.load(kind == QLatin1String("window")      ? QUrl(QStringLiteral("qrc:/FloorWindow.qml"))
                : kind == QLatin1String("controls1") ? QUrl(QStringLiteral("qrc:/FloorControls1.qml"))
                                                     : QUrl(kind));
    const double loaded = since();
    QQuickWindow *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window) {
        result.insert(QStringLiteral("error"), QStringLiteral("the floor did not load"));
        printResult(result);
        return 1;
    }
    instructions::phase("loaded");
    g_phaseAtNextFrame = "firstFrame";
    recordFrames(window);
    const double firstFrame = waitForFrameAfter(window, 0);
    if (scenario == QLatin1String("census"))
        result.insert(QStringLiteral("census"), censusOf(window));
    result.insert(QStringLiteral("firstFrame"), firstFrame);
    result.insert(QStringLiteral("loaded"), loaded);
    result.insert(QStringLiteral("load"), loaded - loadStart);
    result.insert(QStringLiteral("loadToFirstFrame"), firstFrame - loadStart);
    result.insert(QStringLiteral("peakMemoryMb"), peakMemoryMb());
    result.insert(QStringLiteral("window"), windowSize(window));
    if (scenario == QLatin1String("switch")) {
        waitForIdle();
        Interaction warmUp;
        Interaction switches("switch");
        for (int i = 0; i < 2 + repeats; ++i) {
            (i < 2 ? warmUp : switches).measure(window, [&] { QMetaObject::invokeMethod(window, "switchPage"); });
        }
        result.insert(QStringLiteral("switches"), switches.json());
    } else if (flick) {
        waitForIdle();
        result.insert(QStringLiteral("flick"),
                      flickFigures(window, window->findChild<QQuickItem *>(QStringLiteral("floorList")),
                                   *static_cast<TimedApplication *>(app.get())));
    }
    printResult(result);
    return 0;
}

int runCaptureListProbe(int &argc, char **argv, const QString &scenario)
{
    QJsonObject result{{QStringLiteral("probe"), QStringLiteral("captureList")},
                       {QStringLiteral("scenario"), scenario}};
    TimedApplication app(argc, argv);
    const double openStart = since();
    SorvelSession session;
    if (!session.open()) {
        result.insert(QStringLiteral("error"), session.errorString());
        printResult(result);
        return 1;
    }
    const double opened = since();
    QQuickWindow *window = session.window();
    recordFrames(window);
    window->show();
    const double firstFrame = waitForFrameAfter(window, 0);
    result.insert(QStringLiteral("open"), opened - openStart);
    result.insert(QStringLiteral("openToFirstFrame"), firstFrame - openStart);
    result.insert(QStringLiteral("firstFrame"), firstFrame);
    result.insert(QStringLiteral("peakMemoryMb"), peakMemoryMb());
    result.insert(QStringLiteral("window"), windowSize(window));
    if (scenario == QLatin1String("flick")) {
        waitForIdle();
        result.insert(QStringLiteral("flick"), flickFigures(window, session.listView(), app));
    }
    printResult(result);
    return 0;
}

} // namespace bench
