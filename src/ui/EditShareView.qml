import QtQuick
import QtQuick.Controls
import Stashline

// The edit page, pushed on its host's navigation stack: the composer card seeded once from the
// item, and an information block with its creation time and last cloud confirmation. Save hands
// the input to the list model and goes back; the back control leaves without saving.
Item {
    id: page
    objectName: "editShareView"

    required property ShareListViewModel viewModel
    property ShareItem item
    property ComposerDraft draft: ComposerDraft {}
    signal closeRequested()

    function save() {
        if (draft.save(viewModel, item))
            closeRequested()
    }

    // The fields are seeded once, from the item the page was opened for, when the page and its
    // draft are complete (a navigation stack may hand the item over before that).
    property bool isSeeded: false
    property bool isComplete: false
    function seed() {
        if (isComplete && !isSeeded && item) {
            isSeeded = true
            draft.loadFromItem(item)
        }
    }
    onItemChanged: seed()
    Component.onCompleted: {
        isComplete = true
        seed()
    }

    Shortcut {
        sequences: [StandardKey.Save]
        enabled: page.visible
        onActivated: page.save()
    }
    Shortcut {
        sequences: [StandardKey.Back, "Escape"]
        enabled: page.visible
        onActivated: page.closeRequested()
    }

    ScreenBackdrop { anchors.fill: parent }

    SheetToolbar {
        id: toolbar
        width: parent.width
        title: qsTrId("share.edit.title")
        leadingText: qsTrId("general.back")
        leadingIcon: "chevron.left"
        leadingObjectName: "editBackButton"
        trailingText: qsTrId("general.save")
        trailingObjectName: "editSaveButton"
        trailingEnabled: page.draft.canSave
        onLeadingClicked: page.closeRequested()
        onTrailingClicked: page.save()
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
                title: qsTrId("share.edit.title")
                subtitle: qsTrId("share.edit.subtitle")
            }
            ComposerCard {
                id: card
                width: parent.width
                draft: page.draft
            }
            Rectangle {
                objectName: "editInfoBlock"
                width: parent.width
                height: infoColumn.implicitHeight + 36
                radius: 20
                color: Theme.controlBackground
                border.width: 1
                border.color: Theme.withOpacity(Theme.primary, 0.08)
                Column {
                    id: infoColumn
                    x: 18
                    y: 18
                    width: parent.width - 36
                    spacing: 14
                    InfoEntry {
                        objectName: "createdAtEntry"
                        width: parent.width
                        label: qsTrId("share.edit.created_at")
                        value: ShareRowFormatter.editDateText(page.item ? page.item.createdAt : new Date(NaN))
                    }
                    InfoEntry {
                        objectName: "lastSyncEntry"
                        width: parent.width
                        visible: page.item ? !isNaN(page.item.lastSyncDate) : false
                        label: qsTrId("share.edit.last_edited")
                        value: visible ? ShareRowFormatter.editDateText(page.item.lastSyncDate) : ""
                    }
                }
            }
        }
    }
}
