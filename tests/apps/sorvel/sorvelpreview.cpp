// Shows the capture list, which the shell never lists, in a stand-in for the
// shell's window (480 x 272 dp), loaded from the real sorvel library.
//
//   sorvel_preview [--language de-DE] [--screenshot <file.png>] [--flick-frames]
//
// Without a display it renders off screen and writes a screenshot
// (sorvel-preview.png in the working directory unless --screenshot names one).
// --flick-frames flicks through the whole list, down to the last line and back
// to the first, and prints how long the frames took.
#include "framemeter.h"
#include "sorvelsession.h"
#include "timedapplication.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

const int kReflickMs = 400;
const int kFlickTimeoutMs = 120000;

void waitFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitForFrame(QQuickWindow *window, int milliseconds)
{
    QEventLoop loop;
    bool swapped = false;
    const auto connection = QObject::connect(window, &QQuickWindow::frameSwapped, &loop, [&] {
        swapped = true;
        loop.quit();
    });
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    window->update();
    loop.exec();
    QObject::disconnect(connection);
    return swapped;
}

QImage grab(QQuickWindow *window)
{
    // The software renderer on the offscreen platform cannot grab the scene
    // itself; the platform's screen holds what was flushed.
    QImage image = window->grabWindow();
    if (image.isNull() && window->screen())
        image = window->screen()->grabWindow(window->winId()).toImage();
    return image;
}

// Flicks at the list's top speed, again every kReflickMs, until it reaches the end.
bool flickToEnd(QQuickItem *list, bool down, const QElapsedTimer &clock)
{
    const char *reached = down ? "atYEnd" : "atYBeginning";
    const qreal velocity = list->property("maximumFlickVelocity").toReal();
    while (!list->property(reached).toBool()) {
        if (clock.elapsed() > kFlickTimeoutMs)
            return false;
        QMetaObject::invokeMethod(list, "flick", Q_ARG(qreal, 0), Q_ARG(qreal, down ? -velocity : velocity));
        waitFor(kReflickMs);
    }
    while (list->property("moving").toBool() && clock.elapsed() <= kFlickTimeoutMs)
        waitFor(50);
    return true;
}

void printSummary(const char *what, const FrameMeter::Summary &s)
{
    std::printf("  %-40s %5d frames   median %6.2f ms   95th percentile %6.2f ms   max %6.2f ms\n", what, s.frames,
                s.median, s.p95, s.max);
}

int flickFrames(SorvelSession &session, const TimedApplication &application)
{
    QQuickWindow *window = session.window();
    QQuickItem *list = session.listView();
    if (!list || !waitForFrame(window, 5000)) {
        std::fprintf(stderr, "sorvel_preview: the list was not shown\n");
        return 1;
    }
    FrameMeter meter(window, &application);
    QElapsedTimer clock;
    clock.start();
    meter.start();
    const bool down = flickToEnd(list, true, clock);
    const qint64 downMs = clock.elapsed();
    const bool up = down && flickToEnd(list, false, clock);
    meter.stop();
    if (!down || !up) {
        std::fprintf(stderr, "sorvel_preview: did not flick through the list within %d s\n", kFlickTimeoutMs / 1000);
        return 1;
    }
    std::printf("sorvel_preview: flicked through %d lines (%.0f px) down in %.1f s and back up in %.1f s, "
                "flick speed %.0f px/s, window %dx%d, platform %s, scene graph %s\n",
                list->property("count").toInt(), list->property("contentHeight").toReal(), downMs / 1000.0,
                (clock.elapsed() - downMs) / 1000.0, list->property("maximumFlickVelocity").toReal(),
                window->width(), window->height(), qPrintable(QGuiApplication::platformName()),
                qPrintable(QQuickWindow::sceneGraphBackend().isEmpty() ? QStringLiteral("default")
                                                                      : QQuickWindow::sceneGraphBackend()));
    printSummary("frame cost (update request to swap)", meter.frameCost());
    printSummary("GUI thread busy per frame (all work)", meter.busyPerFrame());
    printSummary("frame interval (swap to swap)", meter.frameInterval());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const bool headless = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                          && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
            qputenv("QT_QUICK_BACKEND", "software");
    }
    TimedApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the capture list (sorvel) in a stand-in for the shell."));
    parser.addHelpOption();
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            QStringLiteral("Language of the app's texts (default en-US)."),
                                            QStringLiteral("locale"), QStringLiteral("en-US"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Write a screenshot to <file> and quit."),
                                              QStringLiteral("file"));
    const QCommandLineOption flickOption(QStringLiteral("flick-frames"),
                                         QStringLiteral("Flick through the whole list and print frame times."));
    parser.addOptions({languageOption, screenshotOption, flickOption});
    parser.process(app);

    SorvelSession session(parser.value(languageOption));
    if (!session.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(session.errorString()));
        return 1;
    }
    session.window()->show();
    if (parser.isSet(flickOption))
        return flickFrames(session, app);

    QString screenshot = parser.value(screenshotOption);
    if (screenshot.isEmpty() && headless)
        screenshot = QStringLiteral("sorvel-preview.png");
    if (screenshot.isEmpty())
        return app.exec();

    waitForFrame(session.window(), 5000);
    const QImage image = grab(session.window());
    if (image.isNull() || !image.save(screenshot)) {
        std::fprintf(stderr, "sorvel_preview: cannot write the screenshot %s\n", qPrintable(screenshot));
        return 1;
    }
    std::printf("sorvel_preview: screenshot written to %s\n", qPrintable(QDir::current().absoluteFilePath(screenshot)));
    return 0;
}
