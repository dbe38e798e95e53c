import QtQuick
import QtQuick.Controls
import QtTest
import Stashline
import StashlineTest

// The search field of the list and history screens: typing, the marks, Escape, no results, the
// filter menu and the keyboard through every result.
Item {
    id: root
    width: 960
    height: 720

    Component { id: listScreen; ShareListView { width: 960; height: 720; viewModel: Fixture.viewModel } }
    Component { id: historyScreen; HistoryView { width: 960; height: 720; viewModel: Fixture.viewModel } }

    TestCase {
        id: test
        name: "Search"
        when: windowShown

        function init() {
            Fixture.reset()
        }

        function makeList() {
            const screen = createTemporaryObject(listScreen, root)
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            return screen
        }
        function shownCards(screen, listName, cardName) {
            const list = findChild(screen, listName)
            list.forceLayout()
            return Array.from(list.contentItem.children, function(child) { return findChild(child, cardName) })
                .filter(function(card) { return card && card.visible })
                .sort(function(a, b) { return a.mapToItem(list, 0, 0).y - b.mapToItem(list, 0, 0).y })
        }
        function titles(screen, listName, cardName) {
            return shownCards(screen, listName || "shareList", cardName || "shareCard").map(function(card) { return card.share.title })
        }
        function type(text) {
            for (let index = 0; index < text.length; ++index)
                keyClick(text[index])
        }

        // Ctrl+F focuses the field; typing looks through every item, recent, favourite and
        // history, keeps their sections and marks the words; Escape clears it.
        function test_typingSearchesEveryItem() {
            Fixture.addItem("Budget for spring", "numbers", "text", 2, 0, false)
            Fixture.addItem("Holiday photos", "a long note that talks about many things first and mentions the budget "
                            + "only later, when it was <b>tight</b>", "text", 2, 10, false)
            Fixture.addItem("Old favourite budget", "", "text", 2, 20, true)
            Fixture.addItem("Unrelated", "", "text", 2, 0, false)
            const screen = makeList()
            tryVerify(function() { return titles(screen).length === 2 })
            const input = findChild(screen, "searchInput")
            keyClick(Qt.Key_F, Qt.ControlModifier)
            tryVerify(function() { return input.activeFocus })
            type("BUDGET")
            tryVerify(function() { return titles(screen).length === 3 })
            compare(titles(screen), ["Budget for spring", "Old favourite budget", "Holiday photos"])
            verify(!findChild(screen, "scopeChip_recent").visible)

            const cards = shownCards(screen, "shareList", "shareCard")
            const title = findChild(cards[0], "share-row-title")
            compare(title.textFormat, Text.StyledText)
            verify(title.text.indexOf(">Budget</font></b>") >= 0)
            // User text stays text: its markup is shown, not obeyed. A note whose match lies far in
            // shows the part around it.
            const secondary = findChild(cards[2], "shareRowSecondary")
            verify(secondary.text.indexOf("&lt;b&gt;tight&lt;/b&gt;") >= 0)
            verify(secondary.text.indexOf("…") === 0)
            verify(secondary.text.indexOf(">budget</font></b>") > 0)

            keyClick(Qt.Key_Escape)
            compare(input.text, "")
            tryVerify(function() { return titles(screen).length === 2 })
            verify(findChild(screen, "scopeChip_recent").visible)
        }

        function test_noResultsSaySo() {
            Fixture.addItem("Something", "", "text", 2, 0, false)
            const screen = makeList()
            const input = findChild(screen, "searchInput")
            mouseClick(input)
            type("zebra")
            const message = findChild(screen, "noSearchResults")
            tryVerify(function() { return message.visible })
            verify(message.text.indexOf("zebra") >= 0)
            verify(!findChild(screen, "emptyState").visible)
            compare(titles(screen).length, 0)
        }

        // The filter menu writes the filter words, and the results follow them.
        function test_filterMenuWritesFilterWords() {
            Fixture.addItem("Starred link", "https://example.org", "url", 2, 0, true)
            Fixture.addItem("Plain note", "text", "text", 2, 0, false)
            const screen = makeList()
            const input = findChild(screen, "searchInput")
            findChild(screen, "searchFilterButton").clicked()
            const menu = findChild(screen, "searchFilterMenu")
            tryVerify(function() { return menu.opened })
            findChild(menu.contentItem, "filterFavorites").triggered()
            compare(input.text, "is:fav")
            tryVerify(function() { return titles(screen).length === 1 })
            compare(titles(screen), ["Starred link"])
            findChild(menu.contentItem, "filterNotes").triggered()
            compare(input.text, "is:fav is:note")
            tryVerify(function() { return findChild(screen, "noSearchResults").visible })
            findChild(menu.contentItem, "filterFavorites").triggered() // chosen again: taken out
            compare(input.text, "is:note")
            tryVerify(function() { return titles(screen).length === 1 })
            compare(titles(screen), ["Plain note"])
        }

        // "/" focuses the field; Down and Up walk the keyboard through every result, past the
        // section headers and beyond what the window shows, and back to the field.
        function test_keyboardReachesEveryResult() {
            const total = 24
            for (let index = 0; index < total; ++index)
                Fixture.addItem("Report " + index, "quarterly numbers", "text", 2, index * 0.6, index % 5 === 0)
            Fixture.addItem("Something else", "", "text", 2, 0, false)
            const screen = makeList()
            const input = findChild(screen, "searchInput")
            keyClick("/")
            tryVerify(function() { return input.activeFocus })
            type("report")
            tryVerify(function() { return !findChild(screen, "noSearchResults").visible && titles(screen).length > 0 })
            keyClick(Qt.Key_Down)
            const seen = []
            for (let step = 0; step < total; ++step) {
                const focused = root.Window.activeFocusItem
                verify(focused && focused.share, "step " + step)
                seen.push(focused.share.title)
                keyClick(Qt.Key_Down)
            }
            seen.sort()
            const expected = []
            for (let index = 0; index < total; ++index)
                expected.push("Report " + index)
            expected.sort()
            compare(seen, expected)
            for (let step = 0; step < total; ++step)
                keyClick(Qt.Key_Up)
            tryVerify(function() { return input.activeFocus })
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Escape) // from a result: clears and returns to the field
            tryVerify(function() { return input.activeFocus && input.text === "" })
        }

        function test_historySearches() {
            Fixture.addItem("Recent receipt", "", "text", 2, 0, false)
            Fixture.addItem("Old receipt", "", "text", 2, 30, false)
            const screen = createTemporaryObject(historyScreen, root)
            tryVerify(function() { return titles(screen, "historyList", "historyCard").length === 1 })
            const input = findChild(screen, "searchInput")
            mouseClick(input)
            type("receipt")
            tryVerify(function() { return titles(screen, "historyList", "historyCard").length === 2 })
            compare(titles(screen, "historyList", "historyCard"), ["Recent receipt", "Old receipt"])
            keyClick(Qt.Key_Escape)
            tryVerify(function() { return titles(screen, "historyList", "historyCard").length === 1 })
        }
    }
}
