// The one Qt Quick Test main. It prepares every engine the way tarvik does
// (the com.zel types, the host's context properties, the Material library linked
// in), runs the tst_*.qml given with -input, and fails the run when any QML
// warning or error was logged.
#include "warningguard.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>


#include "hostenvironment.h"
#include "qmlsetup.h"

class VeltraQuickTestSetup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        tarvik::setTextRendering();
        tarvik::registerZelTypes();
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Installed here, after Quick Test has put its own handler in place:
        // that handler does not pass messages on to one installed before it.
        veltra::test::installWarningGuard();
        m_host.attach(engine);
    }

private:
    veltra::test::HostEnvironment m_host;
};

int main(int argc, char **argv)
{
    int rc = 0;
    {
        VeltraQuickTestSetup setup;
        rc = quick_test_main_with_setup(argc, argv, "veltra", nullptr, &setup);
    }
    return veltra::test::exitCodeWithQmlWarnings(rc);
}

#include "quicktestmain.moc"
