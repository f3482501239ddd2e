// The Qt Quick Test main of the fit checks: the engine prepared as the host
// prepares it (through the shared host environment), plus the capture list's
// library and translation, which the shell never loads, and two contact
// sheets that collect the screens (context properties contactSheet, and
// pathSheet for the walk along every path of the tubing wizard); the test
// writes them at its end.
#include "appinterface.h"
#include "contactsheet.h"
#include "hostenvironment.h"
#include "language.h"
#include "qmlsetup.h"
#include "warningguard.h"
#include "zelqtutils.h"

#include <QCoreApplication>
#include <QPluginLoader>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTranslator>
#include <QtQuickTest>

#include <cstdio>

static void initFitResources()
{
    // Q_INIT_RESOURCE must be used outside any namespace.
    Q_INIT_RESOURCE(sorvel_session_qml);
}

class FitSetup : public QObject
{
    Q_OBJECT
public:
public slots:
    void applicationAvailable()
    {
        tarvik::setTextRendering();
        tarvik::registerZelTypes();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        veltra::test::installWarningGuard();
        m_host.attach(engine);
        const QString language = Language::instance().language();
        if (!m_sheet) {
            m_sheet = new ContactSheet(language, qEnvironmentVariable("VELTRA_FIT_SHEET"), this);
            m_pathSheet = new ContactSheet(language + ", every path of the tubing wizard",
                                           qEnvironmentVariable("VELTRA_FIT_PATH_SHEET"), this);
            loadCaptureList(language);
        }
        engine->rootContext()->setContextProperty(QStringLiteral("contactSheet"), m_sheet);
        engine->rootContext()->setContextProperty(QStringLiteral("pathSheet"), m_pathSheet);
        engine->rootContext()->setContextProperty(QStringLiteral("captureListLoaded"), m_captureListLoaded);
    }

private:
    // The library and its translator live without owner for the rest of the
    // process, as the host keeps its plug-ins and translators.
    void loadCaptureList(const QString &language)
    {
        initFitResources();
        auto *loader = new QPluginLoader(QStringLiteral(VELTRA_SORVEL_LIBRARY));
        auto *app = qobject_cast<AppInterface *>(loader->instance());
        if (!app) {
            std::fprintf(stderr, "FitSetup: cannot load %s: %s\n", VELTRA_SORVEL_LIBRARY,
                         qPrintable(loader->errorString()));
            return;
        }
        app->registerTypes(nullptr);
        ZELQtUtils::setLanguage(language, QStringLiteral(":/i18n"), QStringLiteral("sorvel"), nullptr,
                                new QTranslator);
        m_captureListLoaded = true;
    }

    veltra::test::HostEnvironment m_host;
    ContactSheet *m_sheet = nullptr;
    ContactSheet *m_pathSheet = nullptr;
    bool m_captureListLoaded = false;
};

int main(int argc, char **argv)
{
    int rc = 0;
    {
        FitSetup setup;
        rc = quick_test_main_with_setup(argc, argv, "veltra_fit", nullptr, &setup);
    }
    return veltra::test::exitCodeWithQmlWarnings(rc);
}

#include "fitmain.moc"
