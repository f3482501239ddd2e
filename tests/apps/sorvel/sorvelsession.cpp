#include "sorvelsession.h"

#include "appinterface.h"
#include "qmlsetup.h"
#include "zelqtutils.h"

#include <QCoreApplication>
#include <QPluginLoader>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

static void initSessionResources()
{
    // Q_INIT_RESOURCE must be used outside any namespace.
    Q_INIT_RESOURCE(sorvel_session_qml);
}

namespace {

bool loadLibrary(QString *error)
{
    // Kept loaded for the rest of the process, as the host keeps its plug-ins.
    static QPluginLoader *loader = nullptr;
    if (loader)
        return true;
    auto *candidate = new QPluginLoader(SorvelSession::libraryPath());
    QObject *root = candidate->instance();
    auto *app = qobject_cast<AppInterface *>(root);
    if (!app) {
        *error = QStringLiteral("SorvelSession.open() cannot load %1: %2")
                     .arg(SorvelSession::libraryPath(), candidate->errorString());
        delete candidate;
        return false;
    }
    app->registerTypes(nullptr);
    loader = candidate;
    return true;
}

} // namespace

SorvelSession::SorvelSession(const QString &language)
    : m_language(language)
{
}

SorvelSession::~SorvelSession()
{
    delete m_window;
    m_engine.reset();
    if (m_translatorInstalled)
        QCoreApplication::removeTranslator(&m_translator);
}

QString SorvelSession::libraryPath()
{
    return QStringLiteral(VELTRA_STAGE_APPS_DIR "/libsorvel.so");
}

bool SorvelSession::open()
{
    if (!loadLibrary(&m_error))
        return false;
    tarvik::initResources();
    initSessionResources();
    m_translatorInstalled = ZELQtUtils::setLanguage(m_language, QStringLiteral(":/i18n"), QStringLiteral("sorvel"),
                                                    nullptr, &m_translator);

    m_engine = std::make_unique<QQmlEngine>();
    QQmlComponent component(m_engine.get(), QUrl(QStringLiteral("qrc:/SorvelShell.qml")));
    QObject *object = component.create();
    m_window = qobject_cast<QQuickWindow *>(object);
    if (!m_window) {
        m_error = QStringLiteral("SorvelSession.open() no window: %1").arg(component.errorString());
        delete object;
        return false;
    }
    if (!app()) {
        m_error = QStringLiteral("SorvelSession.open() the app did not load");
        return false;
    }
    return true;
}

QQuickItem *SorvelSession::app() const
{
    return m_window ? qvariant_cast<QQuickItem *>(m_window->property("app")) : nullptr;
}

QQuickItem *SorvelSession::listView() const
{
    return qobject_cast<QQuickItem *>(find(QStringLiteral("captureListView")));
}

QObject *SorvelSession::find(const QString &objectName) const
{
    QQuickItem *root = app();
    return root ? root->findChild<QObject *>(objectName) : nullptr;
}
