#include "startup.h"

#include "appmanager.h"
#include "autooff.h"
#include "autooffeventfilter.h"
#include "autooffwatch.h"
#include "diagtime.h"
#include "gaugeinfo.h"
#include "language.h"
#include "qmlsetup.h"
#include "screenshot.h"
#include "terminationhandler.h"
#include "versiontracking.h"
#include "zelsound.h"

#include <QDebug>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSettings>

#include <memory>

namespace tarvik {

int run(int &argc, char **argv, const StartupOptions &options)
{
    initResources();

    // 1. Reset on request.
    GlobalConfig::resetIfRequested();
    // 2. Start-up stopwatch.
    DiagTime::start();
    // 3. Version tracking, before the application object exists.
    zelcommon::VersionTracking::init(GlobalConfig::savedDataDir().toUtf8(),
                                     GaugeInfo::instance().softwareVersion().toUtf8());
    // 4. The application.
    std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
    setTextRendering();
    // A termination request quits the event loop, so step 22 still runs.
    TerminationHandler terminationHandler;
    // 5. The com.zel module.
    registerZelTypes();
    // 6. Every input event counts as activity. Owned by the application, so it
    // lives as long as there is input to see.
    app->installEventFilter(new AutoOffEventFilter(app.get()));
    // 7.-9. The global configuration.
    std::unique_ptr<QSettings> settings = GlobalConfig::open();
    GlobalConfig::writeDefaults(*settings);
    const StartupSettings config = GlobalConfig::read(*settings);
    // 10. Language and locale.
    Language::instance().initLanguage(*settings);
    QLocale::setDefault(QLocale(Language::instance().language()));
    // 11. Single-app mode lists the start-up app alone.
    const QString appFilter = GlobalConfig::appFilter(config);
    // 12. The app manager.
    auto appManager = std::make_unique<AppManager>(GlobalConfig::appsDirPath(config.appsDir), appFilter, nullptr,
                                                   options.excludedAppShown);
    // 13. Icon directory.
    const QString iconDir = GlobalConfig::iconDirUrl(
        options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir);
    // 14. The engine and its context.
    auto engine = std::make_unique<QQmlApplicationEngine>();
    // The engine's file selector looks for "+selector" variants of every file
    // it loads; the shell and its apps have none, so it only costs start-up.
    engine->setUrlInterceptor(nullptr);
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("appManager"), appManager.get());
    context->setContextProperty(QStringLiteral("globalConfig"), settings.get());
    context->setContextProperty(QStringLiteral("icondir"), iconDir);
    context->setContextProperty(QStringLiteral("language"), &Language::instance());
    // 15. The root window, loaded synchronously. VELTRA_EDITION=desktop previews
    // the desktop edition on a platform that is not Windows.
    if (qEnvironmentVariable("VELTRA_EDITION") == QLatin1String("desktop"))
        engine->setInitialProperties({{QStringLiteral("__desktopEdition"), true}});
    engine->load(options.rootUrl);
    // 16.
    AutoOff::activity();
    // 17. Start-up properties of the root window.
    QObject *root = engine->rootObjects().isEmpty() ? nullptr : engine->rootObjects().constFirst();
    if (!root) {
        // Running on without a screen would leave the device blank for good:
        // ending with a failure lets the service start the shell again.
        qDebug() << "tarvik::run() the root window" << options.rootUrl
                 << "did not load; no user interface, ending with exit code 1";
        engine.reset();
        appManager.reset();
        settings.reset();
        app.reset();
        return 1;
    } else {
        root->setProperty("__homeAppId", config.homeAppId);
        root->setProperty("__startupAppId", config.startupAppId);
        root->setProperty("__singleAppMode", config.singleAppMode);
        root->setProperty("autoOffWarning", false);
    }
    // 18. Screenshots.
    std::unique_ptr<Screenshot> screenshot =
        std::make_unique<Screenshot>(config.screenshotDir, qobject_cast<QQuickWindow *>(root));
    context->setContextProperty(QStringLiteral("screenshot"), screenshot.get());
    // 19. The auto-off watch. Owned here rather than leaked so that an in-process
    // run (tests, benchmarks) leaves no timer behind.
    auto autoOffWatch = std::make_unique<AutoOffWatch>(root, options.powerOffProgram);
    // 20. Start-up sound.
    qDebug() << "STARTUP SOUND!";
    std::unique_ptr<ZELSound> sound = std::make_unique<ZELSound>(options.startupSound, false, 100);
    sound->play();
    // 21.
    AutoOff::activity();

    if (options.beforeEventLoop) {
        StartupContext startupContext{app.get(),          settings.get(), appManager.get(),
                                      engine.get(),       root,           screenshot.get(),
                                      autoOffWatch.get(), config,         iconDir};
        options.beforeEventLoop(startupContext);
    }
    // 22. Run, then tear down in reverse order of creation.
    const int exitCode = app->exec();
    autoOffWatch.reset();
    sound.reset();
    screenshot.reset();
    engine.reset();
    appManager.reset();
    settings.reset();
    app.reset();
    return exitCode;
}

} // namespace tarvik
