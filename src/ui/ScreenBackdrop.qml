import QtQuick
import Stashline

// The common backdrop of the list, history, add and edit screens: the window background under a
// top-to-bottom gradient from navy at 5 % through aqua at 3 % to clear.
Rectangle {
    color: Theme.windowBackground
    Rectangle {
        anchors.fill: parent
        radius: parent.radius
        gradient: Gradient {
            GradientStop { position: 0.0; color: Theme.withOpacity(BrandPalette.paletteNavy, 0.05) }
            GradientStop { position: 0.5; color: Theme.withOpacity(BrandPalette.paletteAqua, 0.03) }
            GradientStop { position: 1.0; color: "transparent" }
        }
    }
}
