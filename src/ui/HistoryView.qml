import QtQuick
import QtQuick.Controls
import Stashline

// The history tab: items past the recent window that are not favourites, one section per day.
// Cards open the edit page on this tab's own navigation stack; a corner trash button or the
// context menu asks to delete after confirmation. It starts no loading of its own.
Item {
    id: screen
    objectName: "historyView"

    required property ShareListViewModel viewModel
    // An upload pass is in flight: syncing badges turn their spinners.
    readonly property bool isUploading: viewModel.isUploading
    readonly property alias itemsToDelete: deleteConfirmation.itemsToDelete
    readonly property alias navigation: stack
    readonly property alias deleteDialog: deleteConfirmation

    function requestDelete(share) { deleteConfirmation.ask([share]) }
    function openEditor(share) { stack.push(editPage, { item: share }) }

    ScreenBackdrop { anchors.fill: parent }

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: listPage
    }

    Component {
        id: listPage
        Item {
            // The title stays put above the scrolling list.
            Column {
                id: fixedHeader
                objectName: "historyHeader"
                width: parent.width
                topPadding: 20
                bottomPadding: 14
                spacing: 4
                Text {
                    x: 24
                    width: parent.width - 48
                    text: qsTrId("share.history.title")
                    font.pixelSize: Theme.titleSize
                    font.bold: true
                    color: Theme.primary
                    wrapMode: Text.Wrap
                }
                Text {
                    x: 24
                    width: parent.width - 48
                    text: qsTrId("share.history.subtitle")
                    font.pixelSize: Theme.bodySize
                    color: Theme.secondary
                    wrapMode: Text.Wrap
                }
            }
            Rectangle {
                anchors.top: fixedHeader.bottom
                width: parent.width
                height: 1
                visible: !list.atYBeginning
                color: Theme.separator
            }

            ListView {
                id: list
                objectName: "historyList"
                anchors.top: fixedHeader.bottom
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                topMargin: 10
                model: screen.viewModel.historyModel
                clip: true
                reuseItems: true
                // Cards move by their own keys (CardListKeys), never onto a section header.
                keyNavigationEnabled: false
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ThemedScrollBar {}

                readonly property CardListKeys cardKeys: CardListKeys { view: list }

                footer: Item {
                    width: list.width
                    height: emptyText.visible ? emptyText.implicitHeight + 128 + 40 : 40
                    Text {
                        id: emptyText
                        objectName: "historyEmpty"
                        visible: screen.viewModel.historyModel.isEmpty
                        y: 64
                        x: 24
                        width: parent.width - 48
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTrId("share.history.empty")
                        font.pixelSize: Theme.bodySize
                        color: Theme.secondary
                        wrapMode: Text.Wrap
                    }
                }

                // The model's "item" role would clash with Loader.item, so the row wraps its loader.
                // Focus scopes down to the card: the list focuses its current row, which hands the
                // focus on to the card.
                delegate: FocusScope {
                    id: rowLoader
                    required property bool isHeader
                    required property string sectionTitle
                    required property ShareItem item
                    required property int index
                    // The card of an item row, for the keyboard.
                    readonly property Item card: rowContent.item && !isHeader ? rowContent.item.cardItem : null
                    width: list.width
                    height: rowContent.height
                    Loader {
                        id: rowContent
                        focus: true
                        width: parent.width
                        sourceComponent: rowLoader.isHeader ? sectionHeader : shareCard
                    }

                    Component {
                        id: sectionHeader
                        SectionHeader {
                            width: rowLoader.width
                            title: rowLoader.sectionTitle
                            isFirst: rowLoader.index === 0
                            ruleOpacity: 0.06
                            titleSize: Theme.bodySize
                        }
                    }
                    Component {
                        id: shareCard
                        FocusScope {
                            readonly property alias cardItem: card
                            width: rowLoader.width
                            height: card.height + 10
                            ShareCard {
                                id: card
                                focus: true
                                objectName: "historyCard"
                                x: 24
                                width: parent.width - 48
                                share: rowLoader.item
                                uploadInFlight: screen.isUploading
                                isCurrent: rowLoader.index === list.cardKeys.tabStop
                                onFocusEntered: list.cardKeys.cardFocused(rowLoader.index)
                                onStepRequested: function(step) { list.cardKeys.step(rowLoader.index, step) }
                                contentInset: 12
                                offersFavorite: false
                                showsTrashButton: true
                                onOpenRequested: screen.openEditor(rowLoader.item)
                                onDeleteRequested: screen.requestDelete(rowLoader.item)
                                onRetryRequested: screen.viewModel.retryShare(rowLoader.item)
                            }
                        }
                    }
                }
            }
        }
    }

    Component {
        id: editPage
        EditShareView {
            viewModel: screen.viewModel
            onCloseRequested: stack.pop()
        }
    }

    DeleteConfirmation {
        id: deleteConfirmation
        viewModel: screen.viewModel
    }
}
