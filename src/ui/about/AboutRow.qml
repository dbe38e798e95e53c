import QtQuick
import QtQuick.Controls
import Stashline

// One row of an About card: a teal icon in a 38-point square and the row title; the whole row
// is the hit area. A row without an action is shown as a plain label.
AbstractButton {
    id: row
    property string iconName
    property string titleText
    property bool showsDivider: true
    property bool hasAction: true

    implicitWidth: 300
    implicitHeight: Math.max(62, label.implicitHeight + 24)
    leftPadding: 22
    rightPadding: 18
    hoverEnabled: true
    focusPolicy: hasAction ? Qt.StrongFocus : Qt.NoFocus
    Accessible.role: hasAction ? Accessible.Button : Accessible.StaticText
    Accessible.name: titleText
    opacity: enabled ? 1 : 0.45

    background: Item {
        // The highlight stays inside the card's rounded corners.
        Rectangle {
            anchors.fill: parent
            anchors.margins: 5
            radius: 14
            color: row.hasAction && (row.down || row.hovered) ? Theme.withOpacity(Theme.primary, row.down ? 0.06 : 0.04) : "transparent"
            border.width: row.visualFocus ? 2 : 0
            border.color: Theme.withOpacity(Theme.accent, 0.6)
        }
        AboutRowDivider { isVisible: row.showsDivider }
    }

    contentItem: Row {
        spacing: 18
        Item {
            width: 38
            height: 38
            anchors.verticalCenter: parent.verticalCenter
            SymbolIcon {
                anchors.centerIn: parent
                name: row.iconName
                size: 23
                color: BrandPalette.paletteTeal
            }
        }
        Text {
            id: label
            anchors.verticalCenter: parent.verticalCenter
            width: row.availableWidth - 38 - 18
            text: row.titleText
            // The account row carries a user name and a server address from outside.
            textFormat: Text.PlainText
            font.pixelSize: Theme.bodySize
            color: Theme.primary
            wrapMode: Text.Wrap
        }
    }

    Keys.onReturnPressed: if (hasAction) clicked()
    Keys.onSpacePressed: if (hasAction) clicked()
}
