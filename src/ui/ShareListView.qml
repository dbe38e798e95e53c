import QtQuick
import QtQuick.Controls
import Stashline

// The main screen: recent items or older favourites as day sections of cards, the sync banner,
// the scope chips and the empty state; the add sheet, the edit page (pushed on this screen's
// own navigation stack) and the delete confirmation. It starts the first load and the cloud
// pulls on start and whenever the application becomes active.
Item {
    id: screen
    objectName: "shareListView"

    required property ShareListViewModel viewModel
    // An upload pass is in flight: syncing badges turn their spinners.
    readonly property bool isUploading: viewModel.isUploading
    // "recent" or "favorites"; favorites when launched with "-mockState FAVORITES" (any case).
    property string selectedScope: initialScope(Qt.application.arguments)
    readonly property ShareSectionListModel shownModel: selectedScope === "favorites" ? viewModel.favoritesModel : viewModel.recentModel
    readonly property bool showingAddShareSheet: addSheet.opened
    readonly property alias navigation: stack
    readonly property alias addSheetPopup: addSheet
    // The tray panel's short window gets a tighter header.
    readonly property bool isCompact: height > 0 && height < 560

    function initialScope(args) {
        const index = args.indexOf("-mockState")
        if (index >= 0 && index + 1 < args.length && String(args[index + 1]).toUpperCase() === "FAVORITES")
            return "favorites"
        return "recent"
    }
    function showAddSheet() { addSheet.open() }
    // Delete moves the item to the trash at once; the undo bar and Ctrl+Z bring it back.
    function requestDelete(share) { viewModel.deleteShare(share) }
    function openEditor(share) {
        stack.push(editPage, { item: share })
    }
    function refreshFromCloud() { viewModel.refresh() }

    Component.onCompleted: Qt.callLater(function() {
        screen.viewModel.loadShares()
        screen.viewModel.syncFromCloud()
    })

    // The window becoming active (scene phase) and the application becoming active.
    Connections {
        target: screen.Window.window
        function onActiveChanged() {
            if (screen.Window.window.active) {
                screen.viewModel.loadShares()
                screen.viewModel.refresh()
            }
        }
    }
    Connections {
        target: Qt.application
        function onStateChanged() {
            if (Qt.application.state === Qt.ApplicationActive)
                screen.viewModel.refresh()
        }
    }

    Shortcut {
        sequences: [StandardKey.New]
        enabled: screen.visible && stack.depth === 1
        onActivated: screen.showAddSheet()
    }
    Shortcut {
        sequences: [StandardKey.Refresh, "Ctrl+R"]
        enabled: screen.visible
        onActivated: screen.refreshFromCloud()
    }

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
                enabled: screen.visible && stack.depth === 1 && !screen.showingAddShareSheet
                onActivated: searchField.focusField()
            }

            // The header stays put above the scrolling list: title, toolbar, search field, banner
            // and chips. A banner that appears makes the list shorter and scrolls nothing away.
            Column {
                id: fixedHeader
                objectName: "listHeader"
                width: parent.width
                topPadding: screen.isCompact ? 12 : 20
                bottomPadding: screen.isCompact ? 10 : 14
                spacing: screen.isCompact ? 12 : 26

                // Title, subtitle and the toolbar.
                Item {
                    x: 24
                    width: parent.width - 48
                    height: Math.max(headerColumn.implicitHeight, toolbar.height) + 4
                    Column {
                        id: headerColumn
                        y: 4
                        anchors.left: parent.left
                        anchors.right: toolbar.left
                        anchors.rightMargin: 12
                        spacing: 4
                        Text {
                            objectName: "listTitle"
                            width: parent.width
                            text: qsTrId("share.list.title.recent")
                            font.pixelSize: screen.isCompact ? Theme.title2Size : Theme.largeTitleSize
                            font.bold: true
                            color: Theme.primary
                            wrapMode: Text.Wrap
                        }
                        Text {
                            width: parent.width
                            text: qsTrId("share.list.header.subtitle")
                            font.pixelSize: Theme.bodySize
                            color: Theme.secondary
                            wrapMode: Text.Wrap
                        }
                    }
                    Row {
                        id: toolbar
                        objectName: "listToolbar"
                        anchors.right: parent.right
                        y: 4
                        spacing: 8
                        ToolbarIconButton {
                            objectName: "downloadButton"
                            iconName: "icloud.and.arrow.down"
                            accessibleName: qsTrId("share.list.download.accessibility")
                            onClicked: screen.refreshFromCloud()
                        }
                        ToolbarIconButton {
                            objectName: "addButton"
                            iconName: "plus"
                            accessibleName: qsTrId("share.list.add.accessibility")
                            onClicked: screen.showAddSheet()
                        }
                    }
                }

                SearchField {
                    id: searchField
                    x: 24
                    width: parent.width - 48
                    searchResults: searchModel
                    onResultsRequested: list.cardKeys.focusFirstCard()
                }

                SyncBanner {
                    x: 24
                    width: parent.width - 48
                    viewModel: screen.viewModel
                }

                // Scope chips; a search looks through every item, so they step aside meanwhile.
                Row {
                    x: 24
                    visible: !searchModel.isActive
                    spacing: 10
                    Repeater {
                        model: ["recent", "favorites"]
                        delegate: ScopeChip {
                            required property string modelData
                            objectName: "scopeChip_" + modelData
                            text: modelData === "favorites" ? qsTrId("share.favorites.title") : qsTrId("share.list.title.recent")
                            selected: screen.selectedScope === modelData
                            onClicked: screen.selectedScope = modelData
                        }
                    }
                }
            }

            // A hairline under the header once the list has scrolled beneath it.
            Rectangle {
                anchors.top: fixedHeader.bottom
                width: parent.width
                height: 1
                visible: !list.atYBeginning
                color: Theme.separator
            }

            ListView {
                id: list
                objectName: "shareList"
                anchors.top: fixedHeader.bottom
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                topMargin: screen.isCompact ? 2 : 12
                model: searchModel.isActive ? searchModel.results : screen.shownModel
                clip: true
                reuseItems: true
                cacheBuffer: 400
                // Cards move by their own keys (CardListKeys), never onto a section header.
                keyNavigationEnabled: false
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ThemedScrollBar {}

                readonly property CardListKeys cardKeys: CardListKeys { view: list; field: searchField }

                footer: Item {
                    width: list.width
                    height: emptyState.visible ? emptyState.height + 40 : noResults.visible ? noResults.height + 80 : 40
                    EmptyState {
                        id: emptyState
                        objectName: "emptyState"
                        visible: !searchModel.isActive && screen.shownModel.isEmpty
                        x: 24
                        width: parent.width - 48
                        onAddRequested: screen.showAddSheet()
                    }
                    NoSearchResults {
                        id: noResults
                        x: 24
                        y: 40
                        width: parent.width - 48
                        searchResults: searchModel
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
                                objectName: "shareCard"
                                x: 24
                                width: parent.width - 48
                                share: rowLoader.item
                                highlightTerms: searchModel.isActive ? searchModel.highlightTerms : []
                                uploadInFlight: screen.isUploading
                                isCurrent: rowLoader.index === list.cardKeys.tabStop
                                onFocusEntered: list.cardKeys.cardFocused(rowLoader.index)
                                onStepRequested: function(step) { list.cardKeys.step(rowLoader.index, step) }
                                Keys.onEscapePressed: function(event) { event.accepted = searchField.clearFromResults() }
                                onOpenRequested: screen.openEditor(rowLoader.item)
                                onDeleteRequested: {
                                    list.cardKeys.handOver(rowLoader.index)
                                    screen.requestDelete(rowLoader.item)
                                }
                                onFavoriteRequested: screen.viewModel.toggleFavorite(rowLoader.item)
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

    AddShareView {
        id: addSheet
        viewModel: screen.viewModel
    }
}
