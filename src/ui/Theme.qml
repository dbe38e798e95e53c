pragma Singleton
import QtQuick

// Colour roles and text styles of the screens, taken from the application palette so the
// system's light and dark palettes both apply.
QtObject {
    id: theme

    readonly property SystemPalette system: SystemPalette { colorGroup: SystemPalette.Active }

    readonly property bool isDark: system.window.hslLightness < 0.5
    readonly property color primary: system.windowText
    readonly property color secondary: withOpacity(primary, 0.6)
    readonly property color tertiary: withOpacity(primary, 0.32)
    readonly property color windowBackground: system.window
    readonly property color controlBackground: isDark ? Qt.lighter(system.window, 1.35) : system.base
    readonly property color accent: system.highlight
    readonly property color green: isDark ? "#30d158" : "#28a745"
    readonly property color red: isDark ? "#ff453a" : "#e0352b"
    readonly property color yellow: "#ffcc00"

    // Text styles, in points.
    readonly property real title3Size: 15
    readonly property real headlineSize: 13
    readonly property real bodySize: 13
    readonly property real calloutSize: 12
    readonly property real subheadlineSize: 11
    readonly property real footnoteSize: 10
    readonly property real captionSize: 10
    readonly property real caption2Size: 10

    function withOpacity(color, opacity) {
        return Qt.rgba(color.r, color.g, color.b, color.a * opacity)
    }
}
