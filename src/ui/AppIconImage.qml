import QtQuick
import Stashline

// The application's icon: the tray symbol in white on the brand gradient, rounded 26 points
// at 124 points.
Rectangle {
    property real size: 124
    width: size
    height: size
    radius: size * 26 / 124
    gradient: Gradient {
        GradientStop { position: 0.0; color: BrandPalette.paletteAqua }
        GradientStop { position: 0.55; color: BrandPalette.paletteTeal }
        GradientStop { position: 1.0; color: BrandPalette.paletteNavy }
    }
    Accessible.ignored: true
    SymbolIcon {
        anchors.centerIn: parent
        name: "tray.full"
        size: parent.size * 0.52
        color: "white"
    }
}
