import QtQuick 2.4
import QtTest 1.2
import Veltra 1.0 as Shell

// The module "Veltra 1.0" in the shell's resources names the shell's own files:
// an app made through the import is a VeltraApp of the root window (whose
// __currApp refuses any other type), and the dialogs are the same types.
TestCase {
    id: testCase

    name: "VeltraModule"
    when: windowShown

    Component {
        id: appComponent

        Shell.VeltraApp {
            title: "Through the import"
        }
    }

    Component {
        id: dialogComponent

        Shell.ZelDialog {}
    }

    function test_sameTypesAsTheResourceRoot() {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, testCase);
        verify(root);
        var app = createTemporaryObject(appComponent, testCase);
        root.__currApp = app;
        compare(root.__currApp, app);
        var dialog = createTemporaryObject(dialogComponent, testCase);
        compare(dialog.positiveButtonText, "OK");
    }
}
