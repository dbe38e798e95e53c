import QtQuick
import QtQuick.Controls
import Stashline

// One entry of a ThemedMenu: an icon by system name and a text; a destructive entry (Delete) is
// red. The highlighted entry is filled with the accent colour.
MenuItem {
    id: item
    property string iconName
    property bool destructive: false

    readonly property color textColor: highlighted ? Theme.accentForeground : destructive ? Theme.red : Theme.primary

    leftPadding: 10
    rightPadding: 14
    topPadding: 6
    bottomPadding: 6
    font.pixelSize: Theme.bodySize

    background: Rectangle {
        implicitWidth: 170
        implicitHeight: 28
        radius: 6
        color: item.highlighted ? (item.destructive ? Theme.redFill : Theme.accentFill) : "transparent"
    }
    contentItem: Row {
        spacing: 10
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            visible: item.iconName.length > 0
            name: item.iconName
            size: Theme.bodySize + 2
            color: item.textColor
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: item.text
            font: item.font
            color: item.textColor
        }
    }
    indicator: null
    arrow: null
}
