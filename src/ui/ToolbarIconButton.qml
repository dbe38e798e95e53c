import QtQuick
import QtQuick.Controls
import Stashline

// A toolbar button showing one system icon at 14 points in the accent colour, 8 points of
// inset, on a small rounded background.
AbstractButton {
    id: button
    property string iconName
    property string accessibleName

    padding: 8
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    ToolTip.visible: hovered && accessibleName.length > 0
    ToolTip.delay: 600
    ToolTip.text: accessibleName

    background: Rectangle {
        radius: 8
        color: Theme.withOpacity(Theme.accent, button.down ? 0.18 : button.hovered ? 0.12 : 0.08)
        border.width: button.activeFocus ? 1 : 0
        border.color: Theme.accent
    }
    contentItem: Item {
        implicitWidth: 16
        implicitHeight: 16
        SymbolIcon {
            anchors.centerIn: parent
            name: button.iconName
            size: 16
            color: Theme.accent
        }
    }
}
