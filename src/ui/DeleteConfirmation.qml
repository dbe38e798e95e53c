import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The confirmation before removing items for good (Delete Now, Empty Trash): a modal dialog
// with a destructive button and a Cancel. It holds the items it will delete, or empties the
// whole trash, whose count its title states; either button empties that list and closes it.
Dialog {
    id: dialog
    objectName: "deleteConfirmation"

    property ShareListViewModel viewModel
    property list<ShareItem> itemsToDelete
    property bool emptiesTrash: false

    function ask(items) {
        emptiesTrash = false
        itemsToDelete = items
        open()
    }
    function askEmptyTrash() {
        emptiesTrash = true
        itemsToDelete = []
        open()
    }
    function confirm() {
        const items = Array.from(itemsToDelete)
        itemsToDelete = []
        if (emptiesTrash)
            viewModel.emptyTrash()
        else
            viewModel.deleteSharesNow(items)
        close()
    }
    function cancel() {
        itemsToDelete = []
        close()
    }

    modal: true
    parent: Overlay.overlay
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: parent ? Math.round((parent.height - height) / 2) : 0
    width: 380
    title: emptiesTrash ? qsTrId("share.trash.empty.confirmation.title %1").arg(viewModel ? viewModel.trashCount : 0)
                        : qsTrId("general.delete.confirmation.title")
    closePolicy: Popup.CloseOnEscape
    onRejected: itemsToDelete = []
    padding: 20
    topPadding: 8

    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, Theme.isDark ? 0.55 : 0.38) }
    background: Item {
        Shadow { anchors.fill: parent; radius: 14; spread: 14; strength: 0.28 }
        Rectangle {
            anchors.fill: parent
            radius: 14
            color: Theme.controlBackground
            border.width: 1
            border.color: Theme.withOpacity(Theme.primary, 0.12)
        }
    }
    header: Item {
        implicitHeight: heading.implicitHeight + 28
        Text {
            id: heading
            x: 20
            y: 20
            width: parent.width - 40
            text: dialog.title
            font.pixelSize: Theme.bodySize + 2
            font.weight: Font.DemiBold
            color: Theme.primary
            wrapMode: Text.Wrap
        }
    }

    contentItem: Item {
        // The dialog's width is fixed; the message wraps inside it.
        implicitWidth: 300
        implicitHeight: message.implicitHeight
        Text {
            id: message
            width: parent.width
            text: qsTrId("general.delete.confirmation.message")
            wrapMode: Text.Wrap
            color: Theme.secondary
        }
    }

    footer: Item {
        implicitHeight: buttons.implicitHeight + 32
        Row {
            id: buttons
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            spacing: 8
            ThemedButton {
                objectName: "deleteCancelButton"
                text: qsTrId("general.cancel")
                onClicked: dialog.cancel()
            }
            ThemedButton {
                objectName: "deleteConfirmButton"
                text: dialog.emptiesTrash ? qsTrId("share.trash.empty") : qsTrId("general.delete")
                role: "destructive"
                onClicked: dialog.confirm()
            }
        }
    }
}
