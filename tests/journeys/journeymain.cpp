// The Quick Test main of the journeys: the one of tests/support
// (quicktestmain.cpp) with what a whole-shell run adds: the auto-off input
// filter on the application as tarvik installs it and the context property
// `journey` (JourneyHost), which keeps the debug log and records QML warnings
// once the journeys' initTestCase() asks it to. Fails the run when any QML
// warning or error was recorded.
#include "hostenvironment.h"
#include "journeyhost.h"
#include "qmlsetup.h"
#include "warningguard.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class JourneyQuickTestSetup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        tarvik::setTextRendering();
        tarvik::registerZelTypes();
        m_journey.installInputFilter();
        m_journey.startHangWatch(veltra::test::timeout(20000) / 1000);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_host.attach(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("journey"), &m_journey);
    }

    void cleanupTestCase() { m_journey.stopAutoOffWatch(); }

private:
    veltra::test::HostEnvironment m_host;
    veltra::test::JourneyHost m_journey;
};

int main(int argc, char **argv)
{
    int rc = 0;
    {
        JourneyQuickTestSetup setup;
        rc = quick_test_main_with_setup(argc, argv, "journeys", nullptr, &setup);
    }
    return veltra::test::exitCodeWithQmlWarnings(rc);
}

#include "journeymain.moc"
