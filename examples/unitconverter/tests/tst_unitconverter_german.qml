import QtQuick 2.4
import QtTest 1.2
import Veltra.Testing 1.0

// In German (VELTRA_TEST_LANGUAGE=de-DE): the launcher's title from the app's
// own catalogue (context AppTitle), its texts, and numbers as the locale
// writes them.
AppTestCase {
    id: testCase

    name: "UnitConverterGerman"
    appId: "com.example.veltra.UnitConverter"

    function test_translated() {
        var root = startShell(homeAppId);
        var home = waitForApp(root, homeAppId);
        verify(findByText(home.initialPage, "Einheitenrechner"), "the German title on its tile");
        launch(root, appId, { "pascals": 1234.5 });
        var app = waitForApp(root);
        compare(app.initialPage.title, "Einheitenrechner");
        compare(findItem(findItem(app.initialPage, "unitRow_PRESSUREUNITS_PA"), "valueLabel").text, "1.234,5");
        verify(findByText(app.initialPage, "Auf dem Manometer zeigen"));
        screenshot(root, "unitconverter-de-DE.png");
    }
}
