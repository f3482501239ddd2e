import QtQuick 2.4

// A sample app with catalogues for two of the shell's languages.
Item {
    id: subset

    property string greeting: qsTr("SUBSET_GREETING")
}
