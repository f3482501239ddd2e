import QtQuick 2.4

// A typo: a colon missing after a property name.
Item {
    id: sample

    width 100
}
