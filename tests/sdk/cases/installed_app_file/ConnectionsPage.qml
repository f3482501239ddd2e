import QtQuick 2.4

// A file of the broken sample apps of the SDK's checks.
Item {
    id: sample
}
