import QtQuick
import QtQuick.Controls
import QtTest
import Stashline
import StashlineTest

Item {
    id: root
    width: 960
    height: 720

    Component {
        id: listScreen
        ShareListView {
            width: 960
            height: 720
            viewModel: Fixture.viewModel
        }
    }
    Component {
        id: historyScreen
        HistoryView {
            width: 960
            height: 720
            viewModel: Fixture.viewModel
        }
    }
    Component {
        id: rowComponent
        ShareRow {
            width: 600
        }
    }
    Component {
        id: bannerComponent
        SyncBanner {
            width: 600
            viewModel: QtObject {
                property bool isSyncingFromCloud: false
                property string lastCloudSyncErrorMessage: ""
                function refresh() {}
            }
        }
    }
    Component {
        id: badgeComponent
        SyncStatusIcon {}
    }
    Component {
        id: contentComponent
        ContentView {
            width: 960
            height: 720
            viewModel: Fixture.viewModel
        }
    }
    Component {
        id: aboutComponent
        AboutView {
            width: 960
            height: 720
        }
    }

    TestCase {
        id: test
        name: "Screens"
        when: windowShown

        function init() {
            Fixture.reset()
        }

        function makeList() {
            const screen = createTemporaryObject(listScreen, root)
            verify(screen)
            // The first load runs once the screen is shown.
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            return screen
        }
        function cards(screen, name) {
            const list = findChild(screen, name === "historyCard" ? "historyList" : "shareList")
            verify(list)
            list.forceLayout()
            const found = []
            for (let index = 0; index < list.contentItem.children.length; ++index) {
                const card = findChild(list.contentItem.children[index], name || "shareCard")
                if (card && card.visible)
                    found.push(card)
            }
            return found
        }

        function test_tabsInOrderSharesFirst() {
            const content = createTemporaryObject(contentComponent, root)
            const bar = findChild(content, "tabBar")
            compare(bar.count, 3)
            compare(bar.currentIndex, 0)
            compare(bar.itemAt(0).objectName, "tab_stash-line")
            compare(bar.itemAt(1).objectName, "tab_history")
            compare(bar.itemAt(2).objectName, "tab_about")
        }

        function test_addButtonEnablement() {
            const screen = makeList()
            findChild(screen, "addButton").clicked()
            const sheet = screen.addSheetPopup
            tryVerify(function() { return sheet.opened })
            const add = findChild(sheet.contentItem, "addConfirmButton")
            verify(!add.enabled)
            sheet.draft.content = "   \n  "
            verify(!add.enabled)
            sheet.draft.title = "A title alone"
            verify(!add.enabled)
            verify(sheet.draft.pickImageFile(Fixture.pictureFile()))
            verify(add.enabled)
            // An undecodable pick keeps the picture.
            verify(!sheet.draft.pickImageFile(Fixture.brokenPictureFile()))
            verify(sheet.draft.hasImage)
            sheet.draft.content = "https://example.com/page"
            add.clicked()
            tryVerify(function() { return !sheet.visible })
            compare(Fixture.storedItemCount(), 1)
            const card = cards(screen)[0]
            compare(card.share.contentType, "url")
            verify(card.share.imageUUID.toString() !== "{00000000-0000-0000-0000-000000000000}")
            compare(card.share.title, "A title alone")
        }

        function test_cancelDiscardsTheSheet() {
            const screen = makeList()
            screen.showAddSheet()
            const sheet = screen.addSheetPopup
            tryVerify(function() { return sheet.opened })
            sheet.draft.content = "kept nowhere"
            findChild(sheet.contentItem, "addCancelButton").clicked()
            tryVerify(function() { return !sheet.visible })
            compare(Fixture.storedItemCount(), 0)
            screen.showAddSheet()
            tryVerify(function() { return sheet.opened })
            compare(sheet.draft.content, "")
            sheet.close()
        }

        function test_deleteCancelThenConfirm() {
            Fixture.addItem("Keep me?", "note", "text", 2, 0, false)
            const screen = makeList()
            tryVerify(function() { return cards(screen).length === 1 })
            cards(screen)[0].deleteRequested()
            const dialog = screen.deleteDialog
            tryVerify(function() { return dialog.opened })
            compare(screen.itemsToDelete.length, 1)
            dialog.cancel()
            tryVerify(function() { return !dialog.visible })
            compare(screen.itemsToDelete.length, 0)
            compare(Fixture.storedItemCount(), 1)

            cards(screen)[0].deleteRequested()
            tryVerify(function() { return dialog.opened })
            dialog.confirm()
            compare(screen.itemsToDelete.length, 0)
            compare(Fixture.storedItemCount(), 0)
            tryVerify(function() { return findChild(screen, "emptyState").visible })
        }

        function test_deleteKeyAsksFirst() {
            Fixture.addItem("Via keyboard", "", "text", 2, 0, false)
            const screen = makeList()
            tryVerify(function() { return cards(screen).length === 1 })
            const card = cards(screen)[0]
            card.forceActiveFocus()
            keyClick(Qt.Key_Delete)
            tryVerify(function() { return screen.deleteDialog.opened })
            compare(Fixture.storedItemCount(), 1)
            screen.deleteDialog.cancel()
        }

        function test_favoritesChip() {
            Fixture.addItem("Fresh favourite", "", "text", 2, 0, true)
            Fixture.addItem("Old favourite", "", "text", 2, 5, true)
            Fixture.addItem("Old plain", "", "text", 2, 6, false)
            const screen = makeList()
            compare(screen.selectedScope, "recent")
            tryVerify(function() { return cards(screen).length === 1 })
            compare(cards(screen)[0].share.title, "Fresh favourite")
            findChild(screen, "scopeChip_favorites").clicked()
            compare(screen.selectedScope, "favorites")
            tryVerify(function() { return cards(screen).length === 1 })
            compare(cards(screen)[0].share.title, "Old favourite")
        }

        function test_favoritesChipEmptyState() {
            Fixture.addItem("Only recent", "", "text", 2, 0, false)
            const screen = makeList()
            findChild(screen, "scopeChip_favorites").clicked()
            tryVerify(function() { return findChild(screen, "emptyState").visible })
        }

        function test_initialScope_data() {
            return [
                { tag: "FAVORITES", args: ["app", "-mockState", "FAVORITES"], scope: "favorites" },
                { tag: "any case", args: ["app", "-UI_TESTING", "-mockState", "favorites"], scope: "favorites" },
                { tag: "FULL", args: ["app", "-mockState", "FULL"], scope: "recent" },
                { tag: "last argument", args: ["app", "-mockState"], scope: "recent" },
                { tag: "first occurrence", args: ["app", "-mockState", "FULL", "-mockState", "FAVORITES"], scope: "recent" },
                { tag: "none", args: ["app"], scope: "recent" }
            ]
        }
        function test_initialScope(data) {
            const screen = createTemporaryObject(listScreen, root)
            compare(screen.initialScope(data.args), data.scope)
        }

        function test_bannerPrecedenceAndRetry() {
            const screen = makeList()
            const banner = findChild(screen, "syncBanner")
            // The first pull is running (the fake never finishes by itself).
            compare(banner.state, "syncing")
            Fixture.postSyncFinish("The server is unreachable")
            tryCompare(banner, "state", "failed")
            compare(findChild(screen, "failedBannerMessage").text, "The server is unreachable")
            // A new pass while the old error is still set: syncing wins.
            Fixture.postSyncStart()
            tryCompare(banner, "state", "syncing")
            Fixture.postSyncFinish("Again")
            tryCompare(banner, "state", "failed")
            const downloads = Fixture.downloadCount()
            findChild(screen, "bannerRetryButton").clicked()
            compare(banner.state, "syncing")
            compare(Fixture.downloadCount(), downloads + 1)
            Fixture.postSyncFinish("")
            tryCompare(banner, "state", "none")
        }

        function test_bannerState_data() {
            return [
                { tag: "syncing wins over an old error", syncing: true, error: "old", state: "syncing" },
                { tag: "syncing", syncing: true, error: "", state: "syncing" },
                { tag: "error", syncing: false, error: "offline", state: "failed" },
                { tag: "nothing", syncing: false, error: "", state: "none" }
            ]
        }
        function test_bannerState(data) {
            const banner = createTemporaryObject(bannerComponent, root)
            banner.viewModel.isSyncingFromCloud = data.syncing
            banner.viewModel.lastCloudSyncErrorMessage = data.error
            compare(banner.state, data.state)
            compare(findChild(banner, "syncingBanner").visible, data.state === "syncing")
            compare(findChild(banner, "failedBanner").visible, data.state === "failed")
            compare(banner.visible, data.state !== "none")
        }

        function test_badgePresses_data() {
            return [
                { tag: "pending", status: 0, pressable: true },
                { tag: "syncing", status: 1, pressable: false },
                { tag: "synced", status: 2, pressable: false },
                { tag: "failed", status: 3, pressable: true },
                { tag: "out of range reads as pending", status: 9, pressable: true }
            ]
        }
        function test_badgePresses(data) {
            const badge = createTemporaryObject(badgeComponent, root, { status: data.status })
            const spy = createTemporaryQmlObject("import QtTest; SignalSpy { signalName: \"retry\" }", root)
            spy.target = badge
            waitForRendering(badge)
            mouseClick(badge)
            compare(spy.count, data.pressable ? 1 : 0)
        }

        function test_cardRetryCallsTheModelOnce() {
            Fixture.addItem("Waiting", "", "text", 0, 0, false)
            Fixture.addItem("Done", "", "text", 2, 0.01, false)
            const screen = makeList()
            tryVerify(function() { return cards(screen).length === 2 })
            const pending = findChild(cards(screen)[0], "syncStatusIcon")
            const synced = findChild(cards(screen)[1], "syncStatusIcon")
            mouseClick(pending)
            compare(Fixture.retryCount(), 1)
            mouseClick(synced)
            compare(Fixture.retryCount(), 1)
        }

        function test_userTextIsPlain() {
            const markup = "<img src=\"http://127.0.0.1:1/x\"><b>bold</b>"
            const share = Fixture.addItem(markup, "<i>content</i>", "text", 2, 0, false)
            const row = createTemporaryObject(rowComponent, root, { share: share })
            const title = findChild(row, "share-row-title")
            compare(title.textFormat, Text.PlainText)
            compare(title.text, markup)
            const secondary = findChild(row, "shareRowSecondary")
            compare(secondary.textFormat, Text.PlainText)
            compare(secondary.text, "<i>content</i>")
        }

        function test_rowFollowsTheItem() {
            const share = Fixture.addItem("Star me", "", "text", 0, 0, false)
            const row = createTemporaryObject(rowComponent, root, { share: share })
            verify(!findChild(row, "favoriteStar").visible)
            share.isFavorite = true
            verify(findChild(row, "favoriteStar").visible)
            const badge = findChild(row, "syncStatusIcon")
            compare(badge.shownStatus, 0)
            share.syncStatus !== undefined
            Fixture.viewModel.toggleFavorite(share)
            verify(!findChild(row, "favoriteStar").visible)
        }

        function test_linkRow() {
            const share = Fixture.addItem("Article", "https://www.example.com/news/today", "url", 2, 0, false)
            const row = createTemporaryObject(rowComponent, root, { share: share })
            compare(findChild(row, "shareRowSecondary").text, "example.com")
            const preview = findChild(row, "shareURLPreview")
            verify(preview.visible)
            compare(findChild(preview, "linkDisplayText").text, "www.example.com/news/today")
            compare(findChild(preview, "linkHostText").text, "www.example.com")
            let opened = ""
            preview.openURL = function(link) { opened = link.toString() }
            mouseClick(preview)
            compare(opened, "https://www.example.com/news/today")
        }

        function test_copyText_data() {
            return [
                { tag: "link", title: "Article", content: "https://example.com/a", type: "url", copied: "https://example.com/a" },
                { tag: "note", title: "Title", content: "The note", type: "text", copied: "The note" },
                { tag: "title only", title: "Only a title", content: "", type: "text", copied: "Only a title" }
            ]
        }
        function test_copyText(data) {
            Fixture.addItem(data.title, data.content, data.type, 2, 0, false)
            const screen = makeList()
            tryVerify(function() { return cards(screen).length === 1 })
            const card = cards(screen)[0]
            compare(card.copyText(), data.copied)
            card.forceActiveFocus()
            keySequence(StandardKey.Copy)
            compare(Clipboard.text(), data.copied)
        }

        function test_historyDeleteFromCornerButton() {
            Fixture.addItem("Last week", "", "text", 2, 8, false)
            Fixture.addItem("Old favourite", "", "text", 2, 8, true)
            const screen = createTemporaryObject(historyScreen, root)
            tryVerify(function() { return cards(screen, "historyCard").length === 1 })
            const card = cards(screen, "historyCard")[0]
            compare(card.share.title, "Last week")
            findChild(card, "cardTrashButton").clicked()
            tryVerify(function() { return screen.deleteDialog.opened })
            screen.deleteDialog.confirm()
            compare(Fixture.storedItemCount(), 1)
            tryVerify(function() { return findChild(screen, "historyEmpty").visible })
        }

        function test_editPageSaves() {
            Fixture.addItem("Before", "old words", "text", 2, 0, false)
            const screen = makeList()
            tryVerify(function() { return cards(screen).length === 1 })
            cards(screen)[0].clicked()
            tryCompare(screen.navigation, "depth", 2)
            const page = screen.navigation.currentItem
            tryCompare(page.draft, "title", "Before")
            const save = findChild(page, "editSaveButton")
            verify(save.enabled)
            page.draft.title = " "
            page.draft.content = ""
            verify(!save.enabled)
            page.draft.title = "After"
            verify(save.enabled)
            save.clicked()
            tryCompare(screen.navigation, "depth", 1)
            tryVerify(function() { return cards(screen).length === 1 && cards(screen)[0].share.title === "After" })
            compare(cards(screen)[0].share.syncStatus, 0)
        }

        function test_aboutRows() {
            const about = createTemporaryObject(aboutComponent, root, {
                feedbackEmail: "a@b.c", appStoreURL: "https://example.com/app" })
            verify(findChild(about, "aboutReviewRow").enabled)
            verify(!findChild(about, "aboutTermsRow").enabled)
            verify(findChild(about, "aboutShareRow").hasAction)
            const bare = createTemporaryObject(aboutComponent, root, { feedbackEmail: "a@b.c" })
            verify(!findChild(bare, "aboutReviewRow").enabled)
            verify(!findChild(bare, "aboutShareRow").hasAction)
        }
    }
}
