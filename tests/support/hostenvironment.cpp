#include "hostenvironment.h"

#include "globalconfig.h"
#include "language.h"

#include <QQmlContext>
#include <QQmlEngine>

namespace veltra::test {

HostEnvironment::HostEnvironment()
{
    qputenv("VELTRA_ROOTFS", m_rootfs.path().toUtf8());
}

void HostEnvironment::attach(QQmlEngine *engine)
{
    if (!m_settings) {
        m_settings = GlobalConfig::open();
        GlobalConfig::writeDefaults(*m_settings);
        Language::instance().initLanguage(*m_settings);
    }
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("globalConfig"), m_settings.get());
    context->setContextProperty(QStringLiteral("icondir"),
                                QStringLiteral("file://" VELTRA_STAGE_ICONS_DIR "/"));
    context->setContextProperty(QStringLiteral("language"), &Language::instance());
}

} // namespace veltra::test
