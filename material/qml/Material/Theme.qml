pragma Singleton
import QtQuick 2.4

// The library-wide colours and fonts. The brand colours follow the theme of the
// ApplicationWindow that was created last (it registers itself in __appTheme);
// without a window they keep the library's defaults. light and dark give the
// text and icon colours for light and dark backgrounds.
QtObject {
    id: theme

    property color primaryColor: __appTheme ? __appTheme.primaryColor : __defaults.primaryColor
    property color primaryDarkColor: __appTheme ? __appTheme.primaryDarkColor : __defaults.primaryDarkColor
    property color accentColor: __appTheme ? __appTheme.accentColor : __defaults.accentColor
    property color backgroundColor: __appTheme ? __appTheme.backgroundColor : __defaults.backgroundColor

    // Colours on light backgrounds.
    readonly property QtObject light: QtObject {
        readonly property color textColor: Qt.rgba(0, 0, 0, 0.87)
        readonly property color subTextColor: Qt.rgba(0, 0, 0, 0.54)
        readonly property color iconColor: Qt.rgba(0, 0, 0, 0.54)
        readonly property color hintColor: Qt.rgba(0, 0, 0, 0.38)
        readonly property color dividerColor: Qt.rgba(0, 0, 0, 0.12)
        readonly property color pressedColor: Qt.rgba(0, 0, 0, 0.1)
    }
    // Colours on dark backgrounds.
    readonly property QtObject dark: QtObject {
        readonly property color textColor: Qt.rgba(1, 1, 1, 1)
        readonly property color subTextColor: Qt.rgba(1, 1, 1, 0.7)
        readonly property color iconColor: Qt.rgba(1, 1, 1, 1)
        readonly property color hintColor: Qt.rgba(1, 1, 1, 0.5)
        readonly property color dividerColor: Qt.rgba(1, 1, 1, 0.12)
        readonly property color pressedColor: Qt.rgba(1, 1, 1, 0.25)
    }

    // Family of the text font (Roboto, from the library's resources; each
    // face loads when a text first asks for it, see __requireFace()).
    readonly property string fontFamily: "Roboto"

    // The type scale of Label: for each style its size in dp, weight, and
    // whether the text is set in capitals. One shared table, so that a label
    // costs no table of its own.
    readonly property var __typeScale: ({
        "display4": { "size": 112, "weight": Font.Light, "caps": false },
        "display3": { "size": 56, "weight": Font.Normal, "caps": false },
        "display2": { "size": 45, "weight": Font.Normal, "caps": false },
        "display1": { "size": 34, "weight": Font.Normal, "caps": false },
        "headline": { "size": 24, "weight": Font.Normal, "caps": false },
        "title": { "size": 20, "weight": Font.Medium, "caps": false },
        "subheading": { "size": 16, "weight": Font.Normal, "caps": false },
        "body2": { "size": 14, "weight": Font.Medium, "caps": false },
        "body1": { "size": 14, "weight": Font.Normal, "caps": false },
        "caption": { "size": 12, "weight": Font.Normal, "caps": false },
        "button": { "size": 14, "weight": Font.Medium, "caps": true },
        "menu": { "size": 14, "weight": Font.Medium, "caps": false }
    })

    property QtObject __appTheme: null
    readonly property AppTheme __defaults: AppTheme {}
    // The faces load when something first asks for them (__requireFace()),
    // so a screen does not pay for fonts it does not show (the first screen
    // shows no regular text).
    readonly property FontLoader __robotoRegular: FontLoader { source: theme.__wantRegular ? "fonts/Roboto-Regular.ttf" : "" }
    readonly property FontLoader __robotoMedium: FontLoader { source: theme.__wantMedium ? "fonts/Roboto-Medium.ttf" : "" }
    readonly property FontLoader __robotoLight: FontLoader { source: theme.__wantLight ? "fonts/Roboto-Light.ttf" : "" }
    readonly property FontLoader __robotoBold: FontLoader { source: theme.__wantBold ? "fonts/Roboto-Bold.ttf" : "" }
    readonly property FontLoader __robotoItalic: FontLoader { source: theme.__wantItalic ? "fonts/Roboto-Italic.ttf" : "" }
    property bool __wantRegular: false
    property bool __wantMedium: false
    property bool __wantLight: false
    property bool __wantBold: false
    property bool __wantItalic: false
    // The icon fonts, by the names Icon gives them: each font's family and
    // file. Icons draw their glyphs from the file itself (IconPicture); the
    // icon fonts never enter the font database.
    readonly property var __iconFonts: ({
        "material": { "family": "Material Icons", "url": Qt.resolvedUrl("fonts/MaterialIcons-Regular.ttf") },
        "awesome": { "family": "FontAwesome", "url": Qt.resolvedUrl("fonts/FontAwesome.ttf") },
        "materialDesign": { "family": "Material Design Icons", "url": Qt.resolvedUrl("fonts/MaterialDesignIcons.ttf") }
    })

    // Loads the Roboto face for text of `weight` (Font.Light ...) and `italic`
    // if it is not loaded yet; returns true. Label calls it from a binding: it
    // writes its flags without reading them (writing the same value notifies
    // nothing), so the binding does not depend on what it writes.
    function __requireFace(weight, italic) {
        if (italic)
            __wantItalic = true;
        else if (weight < Font.Normal)
            __wantLight = true;
        else if (weight < Font.Medium)
            __wantRegular = true;
        else if (weight === Font.Medium)
            __wantMedium = true;
        else
            __wantBold = true;
        return true;
    }

    // True when light text reads better than dark text on `background`.
    function isDarkColor(background) {
        var c = Qt.darker(background, 1.0);
        var luminance = 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
        return c.a > 0.3 && luminance < 0.6;
    }

    // lightColor on light backgrounds, darkColor on dark ones.
    function lightDark(background, lightColor, darkColor) {
        return isDarkColor(background) ? darkColor : lightColor;
    }
}
