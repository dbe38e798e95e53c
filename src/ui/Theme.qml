pragma Singleton
import QtQuick
import Stashline

// Colour roles and text styles of the screens. Colours come from the system palette, light or
// dark, and are adjusted where needed so text keeps at least 4.5:1 against its background
// (placeholders 3:1); text sizes scale with the system font.
QtObject {
    id: theme

    readonly property SystemPalette system: SystemPalette { colorGroup: SystemPalette.Active }

    readonly property bool isDark: ColorContrast.luminance(system.window) < 0.18
    readonly property color windowBackground: system.window
    readonly property color controlBackground: isDark ? Qt.lighter(system.window, 1.35) : system.base
    // Text stands on the window and on cards: colours are checked against whichever of the two
    // lies closer to the text's own lightness.
    readonly property color textBackground: (ColorContrast.luminance(windowBackground) < ColorContrast.luminance(controlBackground)) === isDark
                                            ? controlBackground : windowBackground
    readonly property color primary: ColorContrast.readable(system.windowText, textBackground, 7)
    // Secondary text keeps 4.5:1 even where it is drawn at 90 % (the row's date line).
    // Opaque, so it reads as well on the lighter and the darker of the two backgrounds.
    readonly property color secondary: ColorContrast.readable(ColorContrast.composite(withOpacity(primary, 0.6), textBackground), textBackground, 5.4)
    readonly property color tertiary: withOpacity(primary, 0.32)
    // Placeholders sit on a field tinted with the primary colour at 3.5 %.
    readonly property color placeholder: ColorContrast.readable(ColorContrast.composite(withOpacity(primary, 0.45), fieldBackgroundOpaque), fieldBackgroundOpaque, 3.2)
    readonly property color fieldBackground: withOpacity(primary, 0.035)
    readonly property color fieldBackgroundOpaque: ColorContrast.composite(fieldBackground, controlBackground)
    readonly property color separator: withOpacity(primary, 0.08)

    // The system accent; as text it is darkened or lightened until it reads on the background.
    readonly property color accent: system.highlight
    readonly property color accentText: readableOnTint(accent)
    // A button filled with the accent carries white (or black) text at 4.5:1 at least.
    readonly property color accentFill: ColorContrast.readable(accent, accentForeground, 4.6)
    readonly property color accentForeground: ColorContrast.luminance(accent) > 0.45 ? "black" : "white"

    readonly property color green: readableOnTint(isDark ? "#30d158" : "#28a745")
    readonly property color red: readableOnTint(isDark ? "#ff453a" : "#e0352b")
    readonly property color redForeground: "white"
    readonly property color redFill: ColorContrast.readable(red, redForeground, 4.6)
    readonly property color yellow: "#ffcc00"
    readonly property color tealText: readableOnTint(BrandPalette.paletteTeal)

    // Text sizes: the design's sizes in points at a 13-point body, scaled to the system font.
    readonly property real fontScale: Math.max(SystemFont.pixelSize, 12) / 13
    function scaled(points) { return Math.max(10, Math.round(points * fontScale)) }

    readonly property real largeTitleSize: scaled(34)
    readonly property real titleSize: scaled(28)
    readonly property real title2Size: scaled(22)
    readonly property real rowTitleSize: scaled(16)
    readonly property real title3Size: scaled(15)
    readonly property real editorSize: scaled(14)
    readonly property real headlineSize: scaled(13)
    readonly property real bodySize: scaled(13)
    readonly property real calloutSize: scaled(12)
    readonly property real subheadlineSize: scaled(11)
    readonly property real footnoteSize: scaled(10)
    readonly property real captionSize: scaled(10.5)
    readonly property real caption2Size: scaled(10)

    // `color` as text on a capsule tinted with itself (up to 16 %), at 4.5:1 at least.
    function readableOnTint(color) {
        return ColorContrast.readable(color, ColorContrast.composite(withOpacity(color, 0.16), textBackground), 4.6)
    }
    function withOpacity(color, opacity) {
        return Qt.rgba(color.r, color.g, color.b, color.a * opacity)
    }
}
