import QtQuick
import QtQuick.Controls
import Stashline

// A list card around a ShareRow: rounded 22, control background, hairline outline and a faint
// shadow. Activating it (click, Return) asks to open the item; right click or the menu key
// opens its context menu (favourite, copy, delete); Delete asks to delete it. In a list only the
// current card is a Tab stop, followed by its own controls (badge, link, trash); Up and Down
// (Home, End) ask the list for the card above or below.
AbstractButton {
    id: card

    required property ShareItem share
    property bool offersFavorite: true
    property bool showsTrashButton: false
    property real contentInset: 0
    property bool uploadInFlight: false
    // The words of a search to mark in the card's texts; none outside a search.
    property var highlightTerms: []
    // The list's current card: the one Tab reaches, with its controls.
    property bool isCurrent: true

    signal openRequested()
    signal deleteRequested()
    signal favoriteRequested()
    signal retryRequested()
    // -1 or 1: the card above or below; -2 or 2: the first or the last.
    signal stepRequested(int step)

    function copy() {
        if (share)
            Clipboard.copyItem(share)
    }
    function openContextMenu(x, y) {
        contextMenu.popup(card, x, y)
    }

    onActiveFocusChanged: if (activeFocus) focusEntered()
    // The card took focus (keyboard or click): its list makes it current and shows it.
    signal focusEntered()

    implicitWidth: 400
    implicitHeight: shareRow.implicitHeight + 2 * contentInset
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    activeFocusOnTab: isCurrent
    Accessible.role: Accessible.Button
    Accessible.name: shareRow.titleText
    Accessible.description: shareRow.secondaryText
    onClicked: openRequested()

    Keys.onReturnPressed: openRequested()
    Keys.onEnterPressed: openRequested()
    Keys.onDeletePressed: deleteRequested()
    Keys.onMenuPressed: openContextMenu(24, 24)
    Keys.onUpPressed: stepRequested(-1)
    Keys.onDownPressed: stepRequested(1)
    Keys.onPressed: function(event) {
        if (event.matches(StandardKey.Copy)) {
            copy()
            event.accepted = true
        } else if (event.key === Qt.Key_Home || event.key === Qt.Key_End) {
            stepRequested(event.key === Qt.Key_Home ? -2 : 2)
            event.accepted = true
        }
    }

    background: Item {
        Rectangle {
            // The faint shadow: black at 3.5 %, a little below the card.
            anchors.fill: parent
            anchors.topMargin: 2
            anchors.bottomMargin: -2
            radius: 22
            color: Qt.rgba(0, 0, 0, 0.035)
        }
        Rectangle {
            anchors.fill: parent
            radius: 22
            color: Theme.controlBackground
            border.width: card.activeFocus ? 2 : 1
            border.color: card.activeFocus ? Theme.withOpacity(Theme.accent, 0.7) : Theme.withOpacity(Theme.primary, 0.08)
        }
        Rectangle {
            anchors.fill: parent
            radius: 22
            color: Theme.withOpacity(Theme.primary, card.down ? 0.04 : card.hovered ? 0.02 : 0)
        }
    }

    contentItem: Item {
        ShareRow {
            id: shareRow
            x: card.contentInset
            y: card.contentInset
            width: card.width - 2 * card.contentInset
            headerTrailingInset: card.showsTrashButton ? 24 : 0
            height: implicitHeight
            share: card.share
            highlightTerms: card.highlightTerms
            uploadInFlight: card.uploadInFlight
            controlsOnTab: card.isCurrent
            onRetry: card.retryRequested()
        }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: function(mouse) { card.openContextMenu(mouse.x, mouse.y) }
        }
        AbstractButton {
            objectName: "cardTrashButton"
            visible: card.showsTrashButton
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.topMargin: 2
            anchors.rightMargin: 2
            width: 28
            height: 28
            activeFocusOnTab: card.isCurrent
            Accessible.name: qsTrId("general.delete")
            onClicked: card.deleteRequested()
            background: Rectangle {
                radius: 14
                color: parent.hovered ? Theme.withOpacity(Theme.red, 0.1) : "transparent"
                border.width: parent.visualFocus ? 2 : 0
                border.color: Theme.withOpacity(Theme.accent, 0.7)
            }
            hoverEnabled: true
            contentItem: Item {
                SymbolIcon {
                    anchors.centerIn: parent
                    name: "trash"
                    size: 12
                    color: Theme.secondary
                }
            }
        }
    }

    ThemedMenu {
        id: contextMenu
        objectName: "cardContextMenu"
        ThemedMenuItem {
            objectName: "menuFavorite"
            visible: card.offersFavorite
            height: visible ? implicitHeight : 0
            text: card.share && card.share.isFavorite ? qsTrId("Unfavorite") : qsTrId("Favorite")
            iconName: card.share && card.share.isFavorite ? "star.slash.fill" : "star.fill"
            onTriggered: card.favoriteRequested()
        }
        ThemedMenuItem {
            objectName: "menuCopy"
            text: qsTrId("general.copy")
            iconName: "doc.on.doc"
            onTriggered: card.copy()
        }
        ThemedMenuItem {
            objectName: "menuDelete"
            text: qsTrId("general.delete")
            iconName: "trash"
            destructive: true
            onTriggered: card.deleteRequested()
        }
    }
}
