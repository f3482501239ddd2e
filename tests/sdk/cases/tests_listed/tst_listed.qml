import QtQuick 2.4
import QtTest 1.2
import Veltra.Testing 1.0

// Listed by ctest, never run.
AppTestCase {
    name: "Listed"
    appId: "com.example.Listed"

    function test_listed() {
        verify(startShell());
    }
}
