import QtQuick
import QtQuick.Controls
import Stashline

// The add sheet: a modal popup with its own toolbar (Cancel, title, Add) over the composer
// card. It starts empty each time it opens; Add hands the input to the list model and closes,
// Cancel closes without touching anything.
Popup {
    id: sheet
    objectName: "addShareView"

    required property ShareListViewModel viewModel
    property ComposerDraft draft: ComposerDraft {}

    function add() {
        if (draft.add(viewModel))
            close()
    }

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: parent ? Math.min(parent.width - 32, 640) : 640
    height: parent ? Math.min(parent.height - 32, 680) : 680
    padding: 0
    onAboutToShow: {
        draft = Qt.createQmlObject("import Stashline; ComposerDraft {}", sheet)
        Qt.callLater(function() { composer.contentEditor.forceActiveFocus() })
    }

    // A dialog over a dimmed window: rounded all round, with a shadow.
    Overlay.modal: Rectangle {
        objectName: "addSheetDimmer"
        color: Qt.rgba(0, 0, 0, Theme.isDark ? 0.55 : 0.38)
    }
    background: Item {
        Shadow { anchors.fill: parent; radius: 14; spread: 18; strength: 0.3 }
        ScreenBackdrop { anchors.fill: parent; radius: 14 }
        Rectangle {
            anchors.fill: parent
            radius: 14
            color: "transparent"
            border.width: 1
            border.color: Theme.withOpacity(Theme.primary, 0.12)
        }
    }

    contentItem: Item {
        Shortcut {
            sequences: ["Ctrl+Return", "Ctrl+Enter"]
            enabled: sheet.opened
            onActivated: sheet.add()
        }

        SheetToolbar {
            id: toolbar
            width: parent.width
            title: qsTrId("share.list.add.accessibility")
            leadingText: qsTrId("general.cancel")
            leadingObjectName: "addCancelButton"
            trailingText: qsTrId("general.add")
            trailingObjectName: "addConfirmButton"
            trailingEnabled: sheet.draft.canAdd
            onLeadingClicked: sheet.close()
            onTrailingClicked: sheet.add()
        }

        ScrollView {
            id: scroll
            anchors.top: toolbar.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            contentWidth: availableWidth
            ScrollBar.vertical: ThemedScrollBar {
                parent: scroll
                x: scroll.width - width
                y: scroll.topPadding
                height: scroll.availableHeight
            }
            clip: true

            Column {
                x: 24
                width: scroll.availableWidth - 48
                topPadding: 20
                bottomPadding: 40
                spacing: 24
                ComposerHeader {
                    width: parent.width
                    title: qsTrId("share.list.add.accessibility")
                    subtitle: qsTrId("share.composer.subtitle")
                }
                ComposerCard {
                    id: composer
                    width: parent.width
                    draft: sheet.draft
                }
            }
        }
    }
}
