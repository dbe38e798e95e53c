import QtQuick
import QtQuick.Controls
import Stashline

// The search field of a list screen: a magnifier, the query, a button that clears it, and a
// filter menu that writes the filter words (is:fav, is:note, site:, after:, ...) into the query
// for those who do not know them. Escape clears the query; Down or Return hands the focus to
// the first result (resultsRequested).
FocusScope {
    id: field
    objectName: "searchField"

    required property ShareSearch searchResults
    readonly property alias input: input

    signal resultsRequested()

    // Focus from the keyboard shortcut: the whole query selected, so typing replaces it.
    function focusField() {
        input.forceActiveFocus()
        input.selectAll()
    }
    // Escape on a result: clears the query and comes back to the field; false when there was
    // nothing to clear.
    function clearFromResults() {
        if (input.text.length === 0)
            return false
        input.clear()
        input.forceActiveFocus()
        return true
    }
    // Adds a filter word (or takes it out when the query holds it) and leaves the cursor at the end.
    function applyFilter(word) {
        input.text = field.searchResults.withFilter(word)
        input.forceActiveFocus()
        input.cursorPosition = input.text.length
    }
    function dayWord(prefix, daysBack) {
        const day = new Date()
        day.setDate(day.getDate() - daysBack)
        return prefix + Qt.formatDate(day, "yyyy-MM-dd")
    }

    implicitHeight: Math.max(32, input.implicitHeight)
    Binding {
        target: field.searchResults
        property: "query"
        value: input.text
    }

    TextField {
        id: input
        objectName: "searchInput"
        anchors.fill: parent
        focus: true
        leftPadding: 32
        rightPadding: 8 + filterButton.width + (clearButton.visible ? clearButton.width + 4 : 0)
        placeholderText: qsTrId("share.search.placeholder")
        placeholderTextColor: Theme.placeholder
        selectionColor: Theme.accentFill
        selectedTextColor: Theme.accentForeground
        color: Theme.primary
        font.pixelSize: Theme.bodySize
        inputMethodHints: Qt.ImhNoPredictiveText
        Accessible.name: qsTrId("share.search.placeholder")
        Accessible.role: Accessible.EditableText

        Keys.onEscapePressed: function(event) {
            // An empty field lets Escape go on (to close the panel or leave a page).
            event.accepted = input.text.length > 0
            input.clear()
        }
        Keys.onDownPressed: field.resultsRequested()
        Keys.onReturnPressed: field.resultsRequested()
        Keys.onEnterPressed: field.resultsRequested()

        background: Rectangle {
            radius: height / 2
            color: Theme.fieldBackground
            border.width: input.activeFocus ? 2 : 1
            border.color: input.activeFocus ? Theme.withOpacity(Theme.accent, 0.7) : Theme.separator
        }
    }

    SymbolIcon {
        x: 11
        anchors.verticalCenter: parent.verticalCenter
        name: "magnifyingglass"
        size: 14
        color: Theme.secondary
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4

        AbstractButton {
            id: clearButton
            objectName: "searchClearButton"
            visible: input.text.length > 0
            width: 22
            height: 22
            focusPolicy: Qt.NoFocus
            Accessible.role: Accessible.Button
            Accessible.name: qsTrId("share.search.clear")
            onClicked: {
                input.clear()
                input.forceActiveFocus()
            }
            contentItem: Item {
                SymbolIcon {
                    anchors.centerIn: parent
                    name: "xmark.circle.fill"
                    size: 16
                    color: Theme.secondary
                }
            }
            background: null
        }
        AbstractButton {
            id: filterButton
            objectName: "searchFilterButton"
            width: 24
            height: 24
            hoverEnabled: true
            Accessible.role: Accessible.ButtonMenu
            Accessible.name: qsTrId("share.search.filters")
            ToolTip.visible: hovered
            ToolTip.delay: 600
            ToolTip.text: qsTrId("share.search.filters")
            onClicked: filterMenu.popup(filterButton, 0, filterButton.height + 4)
            background: Rectangle {
                radius: 12
                color: Theme.withOpacity(Theme.accent, filterButton.down ? 0.18 : filterButton.hovered ? 0.12 : 0)
                border.width: filterButton.activeFocus ? 1 : 0
                border.color: Theme.accent
            }
            contentItem: Item {
                SymbolIcon {
                    anchors.centerIn: parent
                    name: "line.3.horizontal.decrease.circle"
                    size: 15
                    color: Theme.accent
                }
            }
        }
    }

    ThemedMenu {
        id: filterMenu
        objectName: "searchFilterMenu"
        ThemedMenuItem {
            objectName: "filterFavorites"
            text: qsTrId("share.search.filter.favorites")
            iconName: "star.fill"
            onTriggered: field.applyFilter("is:fav")
        }
        ThemedMenuItem {
            objectName: "filterNotes"
            text: qsTrId("share.search.filter.notes")
            iconName: "doc.plaintext"
            onTriggered: field.applyFilter("is:note")
        }
        ThemedMenuItem {
            objectName: "filterLinks"
            text: qsTrId("share.search.filter.links")
            iconName: "link"
            onTriggered: field.applyFilter("is:link")
        }
        ThemedMenuItem {
            objectName: "filterPictures"
            text: qsTrId("share.search.filter.pictures")
            iconName: "photo"
            onTriggered: field.applyFilter("is:picture")
        }
        ThemedMenuItem {
            objectName: "filterSite"
            text: qsTrId("share.search.filter.site")
            iconName: "globe"
            onTriggered: field.applyFilter("site:")
        }
        ThemedMenuItem {
            objectName: "filterLastWeek"
            text: qsTrId("share.search.filter.lastWeek")
            iconName: "calendar"
            onTriggered: field.applyFilter(field.dayWord("after:", 7))
        }
        ThemedMenuItem {
            objectName: "filterLastMonth"
            text: qsTrId("share.search.filter.lastMonth")
            iconName: "calendar"
            onTriggered: field.applyFilter(field.dayWord("after:", 30))
        }
        ThemedMenuItem {
            objectName: "filterOlderThanYear"
            text: qsTrId("share.search.filter.olderThanYear")
            iconName: "calendar"
            onTriggered: field.applyFilter(field.dayWord("before:", 365))
        }
        ThemedMenuItem {
            objectName: "filterLeaveOut"
            text: qsTrId("share.search.filter.leaveOut")
            iconName: "minus.circle"
            onTriggered: field.applyFilter("-")
        }
    }
}
