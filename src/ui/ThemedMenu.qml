import QtQuick
import QtQuick.Controls
import Stashline

// A popup menu drawn from the theme: a rounded card with a hairline outline and a soft shadow.
// Its entries are ThemedMenuItems.
Menu {
    id: menu
    padding: 5
    implicitWidth: Math.max(180, contentItem.implicitWidth + leftPadding + rightPadding)

    background: Item {
        implicitWidth: 180
        Shadow { anchors.fill: parent; radius: 10; spread: 8 }
        Rectangle {
            anchors.fill: parent
            radius: 10
            color: Theme.isDark ? Qt.lighter(Theme.controlBackground, 1.15) : Theme.controlBackground
            border.width: 1
            border.color: Theme.withOpacity(Theme.primary, 0.14)
        }
    }
}
