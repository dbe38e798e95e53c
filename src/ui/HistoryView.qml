import QtQuick
import QtQuick.Controls
import Stashline

// The history tab: items past the recent window that are not favourites, one section per day.
// Cards open the edit page on this tab's own navigation stack; a corner trash button or the
// context menu moves the item to the trash (the undo bar takes it back). The Recently Deleted
// chip shows the trash instead, with Restore and Delete Now on each item and Empty Trash for
// all; removing for good asks first. It starts no loading of its own.
Item {
    id: screen
    objectName: "historyView"

    required property ShareListViewModel viewModel
    // An upload pass is in flight: syncing badges turn their spinners.
    readonly property bool isUploading: viewModel.isUploading
    readonly property alias itemsToDelete: deleteConfirmation.itemsToDelete
    readonly property alias navigation: stack
    readonly property alias deleteDialog: deleteConfirmation
    // The trash is shown in place of the history.
    property bool showsTrash: false

    function requestDelete(share) { viewModel.deleteShare(share) }
    function requestDeleteNow(share) { deleteConfirmation.ask([share]) }
    function requestEmptyTrash() { deleteConfirmation.askEmptyTrash() }
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
            // Results of the search field, over every item.
            ShareSearch {
                id: searchModel
                viewModel: screen.viewModel
            }
            Shortcut {
                sequences: [StandardKey.Find, "/"]
                enabled: screen.visible && stack.depth === 1
                onActivated: searchField.focusField()
            }

            // The title and the search field stay put above the scrolling list.
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
                Item {
                    width: parent.width
                    height: trashRow.height + 10
                    Row {
                        id: trashRow
                        x: 24
                        y: 10
                        spacing: 8
                        ScopeChip {
                            objectName: "trashChip"
                            anchors.verticalCenter: parent.verticalCenter
                            selected: screen.showsTrash
                            text: screen.viewModel.trashCount > 0
                                  ? qsTrId("share.trash.chip %1").arg(screen.viewModel.trashCount)
                                  : qsTrId("share.trash.title")
                            onClicked: screen.showsTrash = !screen.showsTrash
                        }
                        ThemedButton {
                            objectName: "emptyTrashButton"
                            anchors.verticalCenter: parent.verticalCenter
                            visible: screen.showsTrash && screen.viewModel.trashCount > 0
                            small: true
                            role: "plain"
                            iconName: "xmark.bin"
                            text: qsTrId("share.trash.empty")
                            onClicked: screen.requestEmptyTrash()
                        }
                    }
                }
                Item {
                    width: parent.width
                    height: visible ? searchField.height + 10 : 0
                    visible: !screen.showsTrash
                    SearchField {
                        id: searchField
                        x: 24
                        y: 10
                        width: parent.width - 48
                        searchResults: searchModel
                        onResultsRequested: list.cardKeys.focusFirstCard()
                    }
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
                model: screen.showsTrash ? screen.viewModel.trashModel
                       : searchModel.isActive ? searchModel.results : screen.viewModel.historyModel
                clip: true
                reuseItems: true
                // Cards move by their own keys (CardListKeys), never onto a section header.
                keyNavigationEnabled: false
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ThemedScrollBar {}

                readonly property CardListKeys cardKeys: CardListKeys { view: list; field: searchField }

                footer: Item {
                    width: list.width
                    height: emptyText.visible ? emptyText.implicitHeight + 128 + 40 : noResults.visible ? noResults.height + 80 : 40
                    NoSearchResults {
                        id: noResults
                        x: 24
                        y: 40
                        width: parent.width - 48
                        searchResults: searchModel
                    }
                    Text {
                        id: emptyText
                        objectName: "historyEmpty"
                        visible: screen.showsTrash ? screen.viewModel.trashModel.isEmpty
                                                   : !searchModel.isActive && screen.viewModel.historyModel.isEmpty
                        y: 64
                        x: 24
                        width: parent.width - 48
                        horizontalAlignment: Text.AlignHCenter
                        text: screen.showsTrash ? qsTrId("share.trash.emptyMessage %1").arg(screen.viewModel.trashKeepDays)
                                                : qsTrId("share.history.empty")
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
                    // A row of the trash, drawn while the trash shows.
                    readonly property bool isTrashRow: screen.showsTrash
                    width: list.width
                    height: rowContent.height
                    Loader {
                        id: rowContent
                        focus: true
                        width: parent.width
                        sourceComponent: rowLoader.isHeader ? sectionHeader : rowLoader.isTrashRow ? trashCard : shareCard
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
                        id: trashCard
                        FocusScope {
                            readonly property alias cardItem: trashed
                            width: rowLoader.width
                            height: trashed.height + 10
                            TrashCard {
                                id: trashed
                                objectName: "trashCard"
                                focus: true
                                x: 24
                                width: parent.width - 48
                                height: implicitHeight
                                share: rowLoader.item
                                keepDays: screen.viewModel.trashKeepDays
                                onRestoreRequested: {
                                    list.cardKeys.handOver(rowLoader.index)
                                    screen.viewModel.restoreShare(rowLoader.item)
                                }
                                onDeleteNowRequested: {
                                    list.cardKeys.release()
                                    screen.requestDeleteNow(rowLoader.item)
                                }
                            }
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
                                highlightTerms: searchModel.isActive ? searchModel.highlightTerms : []
                                uploadInFlight: screen.isUploading
                                isCurrent: rowLoader.index === list.cardKeys.tabStop
                                onFocusEntered: list.cardKeys.cardFocused(rowLoader.index)
                                onStepRequested: function(step) { list.cardKeys.step(rowLoader.index, step) }
                                Keys.onEscapePressed: function(event) { event.accepted = searchField.clearFromResults() }
                                contentInset: 12
                                offersFavorite: false
                                showsTrashButton: true
                                onOpenRequested: screen.openEditor(rowLoader.item)
                                onDeleteRequested: {
                                    list.cardKeys.handOver(rowLoader.index)
                                    screen.requestDelete(rowLoader.item)
                                }
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
