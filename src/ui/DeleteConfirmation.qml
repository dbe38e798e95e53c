import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The delete confirmation: a modal dialog with a destructive Delete and a Cancel. It holds the
// items it will delete; either button empties that list and closes the dialog.
Dialog {
    id: dialog
    objectName: "deleteConfirmation"

    property var viewModel
    property var itemsToDelete: []

    function ask(items) {
        itemsToDelete = items
        open()
    }
    function confirm() {
        const items = itemsToDelete
        itemsToDelete = []
        ShareListActions.deleteShares(viewModel, items)
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
    title: qsTrId("general.delete.confirmation.title")
    closePolicy: Popup.CloseOnEscape
    onRejected: itemsToDelete = []

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
        implicitHeight: buttons.implicitHeight + 24
        Row {
            id: buttons
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            spacing: 8
        Button {
            objectName: "deleteCancelButton"
            text: qsTrId("general.cancel")
            onClicked: dialog.cancel()
        }
        Button {
            objectName: "deleteConfirmButton"
            text: qsTrId("general.delete")
            palette.buttonText: Theme.red
            onClicked: dialog.confirm()
        }
        }
    }
}
