import QtQuick
import QtQuick.Controls
import Stashline

// The vertical scroll indicator of the screens: always shown, a thin rounded handle that
// widens under the pointer and can be dragged.
ScrollBar {
    id: bar
    policy: ScrollBar.AlwaysOn
    padding: 2
    hoverEnabled: true
    contentItem: Rectangle {
        implicitWidth: bar.hovered || bar.pressed ? 8 : 5
        implicitHeight: 40
        radius: width / 2
        color: Theme.withOpacity(Theme.primary, bar.pressed ? 0.45 : bar.hovered ? 0.35 : 0.22)
        visible: bar.size < 1
    }
    background: null
}
