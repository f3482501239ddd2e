// veltra-preview: any app library in the real shell window, beside the
// installed apps (the stand-ins for the device's other apps), shown first.
//
//   veltra-preview [--language <locale>] [--edition device|desktop]
//                  [--screenshot <file.png>] [--apps-dir <dir>] [--log] <app library>
//
// With a display it opens the shell's window until it is closed. Without one
// (or with --screenshot) it renders off screen, writes a screenshot of the
// window once the app shows (default <library name>-preview.png in the working
// directory), prints its path and ends. An app whose QML did not load shows its
// error page, and the exit code is 1. The shell runs as on the device: its own
// saved data in a fresh temporary root (VELTRA_ROOTFS), the simulated device's
// defaults, and a power-off command that does nothing.
#include "appset.h"
#include "language.h"
#include "startup.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const int kShowTimeoutMs = 20000;
const int kPollMs = 50;

QImage grab(QQuickWindow *window)
{
    // The software renderer on the offscreen platform cannot grab the scene
    // itself; the platform's screen holds what was flushed.
    QImage image = window->grabWindow();
    if (image.isNull() && window->screen())
        image = window->screen()->grabWindow(window->winId()).toImage();
    return image;
}

bool waitForFrame(QQuickWindow *window)
{
    QEventLoop loop;
    bool swapped = false;
    const auto connection = QObject::connect(window, &QQuickWindow::frameSwapped, &loop, [&] {
        swapped = true;
        loop.quit();
    });
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    window->update();
    loop.exec();
    QObject::disconnect(connection);
    return swapped;
}

// The item of the window named `objectName` (the apps' loaders are made by a
// Repeater: items of the window's tree, not children of the window object).
QQuickItem *findItem(QQuickWindow *window, const QString &objectName)
{
    QList<QQuickItem *> queue{window->contentItem()};
    while (!queue.isEmpty()) {
        QQuickItem *item = queue.takeFirst();
        if (item->objectName() == objectName)
            return item;
        queue += item->childItems();
    }
    return nullptr;
}

// Messages below warnings only with --log: the shell's debug log is long.
QtMessageHandler previousHandler = nullptr;
bool fullLog = false;

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (fullLog || type != QtDebugMsg || message.startsWith(QLatin1String("AppManager::"))
        || message.startsWith(QLatin1String("VeltraRootApp: the app")))
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows an app in the Veltra shell's window."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("This help."));
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            QStringLiteral("The shell's language (default en-US)."),
                                            QStringLiteral("locale"), QStringLiteral("en-US"));
    const QCommandLineOption editionOption(QStringLiteral("edition"),
                                           QStringLiteral("device (480 x 272) or desktop (Veltra Connect)."),
                                           QStringLiteral("edition"), QStringLiteral("device"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Write a screenshot to <file> and end."),
                                              QStringLiteral("file"));
    const QCommandLineOption appsDirOption(QStringLiteral("apps-dir"),
                                           QStringLiteral("The installed apps shown beside it (default: the "
                                                          "install's opt/veltra/apps)."),
                                           QStringLiteral("dir"));
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("Print the shell's whole debug log."));
    parser.addOptions({helpOption, languageOption, editionOption, screenshotOption, appsDirOption, logOption});
    parser.addPositionalArgument(QStringLiteral("library"), QStringLiteral("The app's plug-in library."));
    if (!parser.parse(arguments) || parser.isSet(helpOption) || parser.positionalArguments().size() != 1) {
        // helpText() takes the program's name from the application object.
        QCoreApplication usageApp(argc, argv);
        std::fprintf(parser.isSet(helpOption) ? stdout : stderr, "%s%s\n",
                     qPrintable(parser.errorText().isEmpty() ? QString() : parser.errorText() + QLatin1Char('\n')),
                     qPrintable(parser.helpText()));
        return parser.isSet(helpOption) ? 0 : 2;
    }
    const QString edition = parser.value(editionOption);
    if (edition != QLatin1String("device") && edition != QLatin1String("desktop")) {
        std::fprintf(stderr, "veltra-preview: --edition is device or desktop, not %s\n", qPrintable(edition));
        return 2;
    }
    // The shell would quietly show en-US for any other value ("de_DE", say).
    const QString language = parser.value(languageOption);
    if (!Language::supportedLanguages().contains(language)) {
        std::fprintf(stderr, "veltra-preview: --language is one of %s, not %s\n",
                     qPrintable(Language::supportedLanguages().join(QLatin1Char(' '))), qPrintable(language));
        return 2;
    }
    const QFileInfo library(parser.positionalArguments().constFirst());
    const QString appId = AppSet::appIdOf(library.absoluteFilePath());
    if (appId.isEmpty()) {
        std::fprintf(stderr, "veltra-preview: %s is not an app library with a record\n",
                     qPrintable(library.filePath()));
        return 2;
    }

    // No display: no display server and no platform chosen, or an off-screen one.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool headless = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")
                          || (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY")
                              && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
            qputenv("QT_QUICK_BACKEND", "software");
    }
    QString screenshot = parser.value(screenshotOption);
    if (screenshot.isEmpty() && headless)
        screenshot = library.completeBaseName() + QStringLiteral("-preview.png");

    // Where this program is installed: <prefix>/bin beside <prefix>/opt/tarvik/bin.
    // Started by name, it was found on PATH (not in the working directory).
    QString program = QString::fromLocal8Bit(argv[0]);
    if (!program.contains(QLatin1Char('/')))
        program = QStandardPaths::findExecutable(program);
    const QString programDir = QFileInfo(program).absoluteDir().absolutePath();
    const QString shellBinDir = QDir::cleanPath(programDir + QStringLiteral("/../opt/tarvik/bin"));
    const QString installedApps = parser.isSet(appsDirOption)
        ? parser.value(appsDirOption)
        : QDir::cleanPath(programDir + QStringLiteral("/../opt/veltra/apps"));

    QTemporaryDir rootfs;
    const QString appsDir = rootfs.path() + QStringLiteral("/apps");
    QString error;
    if (!rootfs.isValid() || !QDir().mkpath(appsDir)
        || !AppSet::assemble(installedApps, {library.absoluteFilePath()}, appsDir, &error)) {
        std::fprintf(stderr, "veltra-preview: %s\n", qPrintable(error.isEmpty() ? rootfs.errorString() : error));
        return 1;
    }
    qputenv("VELTRA_ROOTFS", rootfs.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = rootfs.path() + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
    qputenv("VELTRA_DEVICE_FILE", (rootfs.path() + QStringLiteral("/device.ini")).toUtf8());
    if (edition == QLatin1String("desktop"))
        qputenv("VELTRA_EDITION", "desktop");
    {
        QDir().mkpath(rootfs.path() + QStringLiteral("/opt/save_data"));
        QSettings config(rootfs.path() + QStringLiteral("/opt/save_data/global.conf"), QSettings::IniFormat);
        config.setValue(QStringLiteral("apps_dir"), appsDir);
        config.setValue(QStringLiteral("startup_app_id"), appId);
        config.setValue(QStringLiteral("language"), parser.value(languageOption));
        config.setValue(QStringLiteral("screenshot_dir"), rootfs.path() + QStringLiteral("/screenshots"));
    }
    fullLog = parser.isSet(logOption);
    previousHandler = qInstallMessageHandler(messageHandler);

    tarvik::StartupOptions options;
    options.powerOffProgram = QStringLiteral("/bin/true");
    options.programDir = shellBinDir;
    options.excludedAppShown = appId;
    int result = 0;
    options.beforeEventLoop = [&](tarvik::StartupContext &context) {
        auto *window = qobject_cast<QQuickWindow *>(context.rootWindow);
        if (!window) {
            std::fprintf(stderr, "veltra-preview: the shell's window did not load\n");
            result = 1;
            QTimer::singleShot(0, context.app, &QCoreApplication::quit);
            return;
        }
        QObject *root = context.rootWindow;
        QObject *loader = findItem(window, QStringLiteral("appLoader_") + appId);
        if (!loader) {
            std::fprintf(stderr, "veltra-preview: the shell did not list %s (%s); the log above says why\n",
                         qPrintable(appId), qPrintable(library.filePath()));
            result = 1;
        }
        // Once every app has loaded (or failed) and the app's page has settled,
        // the app is current: launched again if it had failed at start-up, so
        // that its error page shows.
        auto *poll = new QTimer(context.app);
        auto *clock = new QElapsedTimer;
        clock->start();
        QObject::connect(poll, &QTimer::timeout, context.app, [=, &result] {
            const QObject *keyboard = findItem(window, QStringLiteral("loaderKeyboardDialog"));
            const bool allLoaded = keyboard && keyboard->property("status").toInt() != 0;
            const bool failed = loader && loader->property("__failed").toBool();
            if (allLoaded && loader && root->property("__currAppId").toString() != appId)
                QMetaObject::invokeMethod(root, "launchApp", Q_ARG(QVariant, appId), Q_ARG(QVariant, QVariant()));
            const QObject *pageStack = root->property("pageStack").value<QObject *>();
            const bool settled = allLoaded && (!loader || root->property("__currAppId").toString() == appId)
                                 && pageStack && !pageStack->property("busy").toBool();
            if (!settled && clock->elapsed() < kShowTimeoutMs)
                return;
            poll->stop();
            delete clock;
            if (!settled) {
                // Whatever the window shows now is not the app's page.
                std::fprintf(stderr, "veltra-preview: %s did not show within %d s\n", qPrintable(appId),
                             kShowTimeoutMs / 1000);
                result = 1;
            } else if (failed) {
                std::fprintf(stderr, "veltra-preview: %s did not load: %s\n", qPrintable(appId),
                             qPrintable(loader->property("__error").toString()));
                result = 1;
            }
            if (screenshot.isEmpty())
                return;
            waitForFrame(window);
            const QImage image = grab(window);
            if (image.isNull() || !image.save(screenshot)) {
                std::fprintf(stderr, "veltra-preview: cannot write the screenshot %s\n", qPrintable(screenshot));
                result = 1;
            } else {
                std::printf("veltra-preview: screenshot written to %s\n",
                            qPrintable(QDir::current().absoluteFilePath(screenshot)));
            }
            QCoreApplication::quit();
        });
        poll->start(kPollMs);
    };
    const int exitCode = tarvik::run(argc, argv, options);
    return result != 0 ? result : exitCode;
}
