import QtQuick 2.4

// A sample app with catalogues for one of the two languages it asks for.
Item {
    id: subset

    property string greeting: qsTr("SUBSET_GREETING")
}
