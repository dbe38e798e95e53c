import QtQuick
import QtQuick.Controls
import Stashline

// A card of Recently Deleted: the item's row as the lists show it, when it was deleted and
// how long it stays, with Restore and Delete Now. It opens nothing: an item in the trash is
// restored before it is edited.
FocusScope {
    id: card

    required property ShareItem share
    // Days an item stays in the trash (Trash::keepDays).
    property int keepDays: 30

    signal restoreRequested()
    signal deleteNowRequested()

    implicitWidth: 400
    implicitHeight: column.implicitHeight + 24

    // Days left before the item is removed for good; at least 0.
    readonly property int daysLeft: share && share.trashedAt
        ? Math.max(0, keepDays - Math.floor((Date.now() - share.trashedAt.getTime()) / 86400000)) : keepDays

    Rectangle {
        anchors.fill: parent
        radius: 22
        color: Theme.controlBackground
        border.width: card.activeFocus ? 2 : 1
        border.color: card.activeFocus ? Theme.withOpacity(Theme.accent, 0.7) : Theme.withOpacity(Theme.primary, 0.08)
    }

    Column {
        id: column
        x: 12
        y: 12
        width: card.width - 24
        spacing: 10
        ShareRow {
            width: parent.width
            share: card.share
            controlsOnTab: false
        }
        Item {
            // Lined up with the row's icon and badge.
            x: 16
            width: parent.width - 32
            height: Math.max(daysText.implicitHeight, buttons.height)
            Text {
                id: daysText
                objectName: "trashDaysLeft"
                anchors.left: parent.left
                anchors.right: buttons.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: qsTrId("share.trash.daysLeft %1").arg(card.daysLeft)
                font.pixelSize: Theme.footnoteSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
            Row {
                id: buttons
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8
                ThemedButton {
                    objectName: "trashRestoreButton"
                    focus: true
                    small: true
                    iconName: "arrow.uturn.backward"
                    text: qsTrId("share.trash.restore")
                    onClicked: card.restoreRequested()
                }
                ThemedButton {
                    objectName: "trashDeleteNowButton"
                    small: true
                    iconName: "xmark.bin"
                    text: qsTrId("share.trash.deleteNow")
                    onClicked: card.deleteNowRequested()
                }
            }
        }
    }
}
