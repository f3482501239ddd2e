import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import Material.ListItems 0.1 as ListItem
import QtQuick.Controls.Styles.Material 0.1 as MaterialStyle
import Veltra 1.0

// Run by Qt's own qmltestrunner with only the SDK's QML modules on disk
// (-import <stage>/lib/veltra/qml), as tools use them: every module imports,
// its types are made, and the native types come from the Material.Private
// plug-in (an icon name resolves to its glyph).
TestCase {
    id: testCase

    name: "QmlModulesOnDisk"
    when: windowShown

    Component {
        id: materialComponent

        Item {
            width: 480
            height: 272

            property alias button: button
            property alias icon: icon

            Column {
                Label { text: "Label" }
                Button { id: button; text: "Button"; elevation: 1 }
                Icon { id: icon; name: "action/home" }
                TextField { style: MaterialStyle.TextFieldStyle {} }
                ListItem.Subheader { text: "Subheader" }
            }
        }
    }

    Component {
        id: veltraComponent

        VeltraApp {
            title: "On disk"
        }
    }

    function test_materialFromDisk() {
        var item = createTemporaryObject(materialComponent, testCase);
        verify(item);
        verify(item.button.width > 0);
        verify(item.icon.valid, "the icon's name resolved through Material.Private");
        verify(Units.dp(10) >= 10);
    }

    function test_veltraFromDisk() {
        var app = createTemporaryObject(veltraComponent, testCase);
        verify(app);
        compare(app.title, "On disk");
        compare(String(app.theme.primaryColor), "#e51937");
    }
}
