#include "hostenvironment.h"

#include "appmanager.h"
#include "appset.h"
#include "devicefilewriter.h"
#include "globalconfig.h"
#include "httpprobe.h"
#include "qmlsetup.h"
#include "screenprobe.h"
#include "language.h"
#include "warningguard.h"

#include <QFile>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QQmlContext>
#include <QQmlEngine>
#include <QUrl>

namespace veltra::test {

namespace {

// The installed apps and icons: the stage's, or (the SDK's runner) those of
// the install the program belongs to.
QString defaultAppsDir()
{
#ifdef VELTRA_RELATIVE_APPS_DIR
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" VELTRA_RELATIVE_APPS_DIR));
#else
    return QStringLiteral(VELTRA_STAGE_APPS_DIR);
#endif
}

QString defaultIconUrl()
{
#ifdef VELTRA_RELATIVE_ICONS_DIR
    return QStringLiteral("file://")
           + QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" VELTRA_RELATIVE_ICONS_DIR))
           + QLatin1Char('/');
#else
    return QStringLiteral("file://" VELTRA_STAGE_ICONS_DIR "/");
#endif
}

} // namespace

HostEnvironment::HostEnvironment()
    : m_device(std::make_unique<DeviceFileWriter>())
    , m_screenProbe(std::make_unique<ScreenProbe>())
{
    // The project's own tests (not the SDK's runner) also get a web server.
#ifdef VELTRA_TEST_MARKER_PNG
    QFile marker(QStringLiteral(VELTRA_TEST_MARKER_PNG));
    if (!marker.open(QIODevice::ReadOnly))
        qWarning("HostEnvironment: cannot read %s", VELTRA_TEST_MARKER_PNG);
    m_httpProbe = std::make_unique<HttpProbe>(marker.readAll());
#endif
    qputenv("VELTRA_ROOTFS", m_rootfs.path().toUtf8());
    if (!qEnvironmentVariableIsSet("VELTRA_DEVICE_FILE"))
        qputenv("VELTRA_DEVICE_FILE", (m_rootfs.path() + "/device.ini").toUtf8());
}

HostEnvironment::~HostEnvironment() = default;

void HostEnvironment::attach(QQmlEngine *engine)
{
    if (!m_settings) {
        tarvik::initResources();
        m_settings = GlobalConfig::open();
        GlobalConfig::writeDefaults(*m_settings);
        const QByteArray language = qgetenv("VELTRA_TEST_LANGUAGE");
        if (!language.isEmpty())
            m_settings->setValue(Language::settingsKey(), QString::fromUtf8(language));
        Language::instance().initLanguage(*m_settings);
        QLocale::setDefault(QLocale(Language::instance().language()));
        // The apps a test sees: VELTRA_TEST_APPS_DIR, else the installed (staged)
        // apps; with VELTRA_TEST_APPS (libraries, separated by ':') those as well,
        // in place of installed ones with the same file name or id.
        QString appsDir = qEnvironmentVariableIsSet("VELTRA_TEST_APPS_DIR")
            ? qEnvironmentVariable("VELTRA_TEST_APPS_DIR")
            : defaultAppsDir();
        const QStringList libraries = qEnvironmentVariable("VELTRA_TEST_APPS").split(QLatin1Char(':'),
                                                                                  Qt::SkipEmptyParts);
        if (!libraries.isEmpty()) {
            const QString assembled = m_rootfs.path() + QStringLiteral("/apps-under-test");
            QString error;
            if (!QDir().mkpath(assembled) || !AppSet::assemble(appsDir, libraries, assembled, &error))
                qWarning("HostEnvironment: VELTRA_TEST_APPS: %s", qPrintable(error));
            appsDir = assembled;
        }
        m_appManager = std::make_unique<AppManager>(appsDir, QString());
    }
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("appManager"), m_appManager.get());
    context->setContextProperty(QStringLiteral("globalConfig"), m_settings.get());
    // VELTRA_TEST_ICONDIR, when set (even empty), replaces the staged icons.
    context->setContextProperty(QStringLiteral("icondir"),
                                qEnvironmentVariableIsSet("VELTRA_TEST_ICONDIR")
                                    ? qEnvironmentVariable("VELTRA_TEST_ICONDIR")
                                    : defaultIconUrl());
    context->setContextProperty(QStringLiteral("language"), &Language::instance());
    context->setContextProperty(QStringLiteral("simulatedDevice"), m_device.get());
    context->setContextProperty(QStringLiteral("screenProbe"), m_screenProbe.get());
#ifdef VELTRA_TEST_MARKER_PNG
    context->setContextProperty(QStringLiteral("httpProbe"), m_httpProbe.get());
    context->setContextProperty(QStringLiteral("testMarkerPicture"),
                                QUrl::fromLocalFile(QStringLiteral(VELTRA_TEST_MARKER_PNG)).toString());
#endif
    // Tests multiply their time-outs by it: tryCompare(item, "p", v, 5000 * timeoutFactor).
    context->setContextProperty(QStringLiteral("timeoutFactor"), timeoutFactor());
}

} // namespace veltra::test
