import QtQuick
import QtQuick.Controls
import QtTest
import Stashline
import StashlineTest

Item {
    id: root
    width: 960
    height: 720

    Component { id: listScreen; ShareListView { width: 960; height: 720; viewModel: Fixture.viewModel } }
    Component { id: historyScreen; HistoryView { width: 960; height: 720; viewModel: Fixture.viewModel } }
    Component { id: rowComponent; ShareRow { width: 600 } }
    Component { id: contentComponent; ContentView { width: 960; height: 720; viewModel: Fixture.viewModel } }

    TestCase {
        id: test
        name: "Screens"
        when: windowShown

        function init() {
            Fixture.reset()
        }

        function makeList() {
            const screen = createTemporaryObject(listScreen, root)
            // The first load runs once the screen is shown.
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            return screen
        }
        function cards(screen, name) {
            const list = findChild(screen, name === "historyCard" ? "historyList" : "shareList")
            list.forceLayout()
            return Array.from(list.contentItem.children, function(child) { return findChild(child, name || "shareCard") })
                .filter(function(card) { return card && card.visible })
        }
        function waitForCards(screen, count, name) {
            tryVerify(function() { return cards(screen, name).length === count })
            return cards(screen, name)
        }
        // How many frames the window draws in `milliseconds`: none while nothing changes.
        function framesDrawnOver(milliseconds) {
            const window = root.Window.window
            let frames = 0
            const count = function() { ++frames }
            window.frameSwapped.connect(count)
            wait(milliseconds)
            window.frameSwapped.disconnect(count)
            return frames
        }
        function makeRow(title, content, type) {
            return createTemporaryObject(rowComponent, root, { share: Fixture.addItem(title, content, type, 2, 0, false) })
        }

        // The picture comes through the real file chooser: cancelling it changes nothing, a
        // file that does not decode keeps the attachment, a picture enables Add and is stored.
        function test_addSheetPicksThroughTheFileChooser() {
            const screen = makeList()
            findChild(screen, "addButton").clicked()
            const sheet = screen.addSheetPopup
            tryVerify(function() { return sheet.opened })
            const add = findChild(sheet.contentItem, "addConfirmButton")
            const pick = findChild(sheet.contentItem, "pickImageButton")
            const chooser = findChild(sheet.contentItem, "composerCard").imageChooser
            sheet.draft.title = "A title alone"
            verify(!add.enabled)

            mouseClick(pick)
            tryVerify(function() { return Fixture.isFileDialogOpen() })
            verify(chooser.isOpen)
            verify(!pick.enabled)
            verify(Fixture.cancelFileDialog())
            tryVerify(function() { return !chooser.isOpen })
            verify(!Fixture.isFileDialogOpen())
            verify(!sheet.draft.hasImage)
            verify(!add.enabled)

            mouseClick(pick)
            tryVerify(function() { return Fixture.isFileDialogOpen() })
            verify(Fixture.acceptFileDialog(Fixture.pictureFile()))
            tryVerify(function() { return sheet.draft.hasImage })
            verify(findChild(sheet.contentItem, "composerImagePreview").visible)

            const problem = findChild(sheet.contentItem, "imageProblemText")
            verify(!sheet.draft.pickImageFile("https://example.com/x.png"))
            verify(problem.visible && problem.text.length > 0)
            verify(sheet.draft.pickImageFile(Fixture.pictureFile()))
            verify(!problem.visible)
            verify(add.enabled)

            mouseClick(pick)
            tryVerify(function() { return Fixture.isFileDialogOpen() })
            verify(Fixture.acceptFileDialog(Fixture.brokenPictureFile()))
            tryVerify(function() { return !chooser.isOpen })
            verify(sheet.draft.hasImage)

            add.clicked()
            tryVerify(function() { return !sheet.visible })
            compare(Fixture.storedItemCount(), 1)
            const card = cards(screen)[0]
            compare(card.share.title, "A title alone")
            compare(card.share.contentType, "image")
            tryVerify(function() { return findChild(card, "shareRowImage").hasImage })
        }

        // The Delete key asks first; cancel keeps the item, confirm deletes it.
        function test_deleteKeyAsksFirst() {
            Fixture.addItem("Keep me?", "note", "text", 2, 0, false)
            const screen = makeList()
            waitForCards(screen, 1)[0].forceActiveFocus()
            keyClick(Qt.Key_Delete)
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

        function test_favoritesChipAndStartScope() {
            Fixture.addItem("Fresh favourite", "", "text", 2, 0, true)
            Fixture.addItem("Old favourite", "", "text", 2, 5, true)
            Fixture.addItem("Old plain", "", "text", 2, 6, false)
            const screen = makeList()
            compare(screen.initialScope(["app", "-UI_TESTING", "-mockState", "favorites"]), "favorites")
            compare(screen.initialScope(["app", "-mockState", "FULL", "-mockState", "FAVORITES"]), "recent")
            compare(screen.selectedScope, "recent")
            compare(waitForCards(screen, 1)[0].share.title, "Fresh favourite")
            findChild(screen, "scopeChip_favorites").clicked()
            compare(screen.selectedScope, "favorites")
            compare(waitForCards(screen, 1)[0].share.title, "Old favourite")
            Fixture.viewModel.toggleFavorite(cards(screen)[0].share)
            tryVerify(function() { return findChild(screen, "emptyState").visible })
        }

        function test_bannerPrecedenceAndRetry() {
            const screen = makeList()
            const banner = findChild(screen, "syncBanner")
            function shows(state) {
                tryCompare(banner, "state", state)
                compare(banner.visible, state !== "none")
                compare(findChild(banner, "syncingBanner").visible, state === "syncing")
                compare(findChild(banner, "failedBanner").visible, state === "failed")
            }
            // The first pull is running (the fake never finishes by itself).
            shows("syncing")
            Fixture.postSyncFinish("The server is unreachable")
            shows("failed")
            compare(findChild(screen, "failedBannerMessage").text, "The server is unreachable")
            // A new pass while the old error is still set: syncing wins.
            Fixture.postSyncStart()
            shows("syncing")
            Fixture.postSyncFinish("Again")
            shows("failed")
            findChild(screen, "bannerRetryButton").clicked()
            compare(banner.state, "syncing")
            compare(Fixture.downloadCount(), 2)
            Fixture.postSyncFinish("")
            shows("none")
        }

        // A refused save shows first, keeps what was typed on screen, and Try Again stores it.
        function test_saveFailureBannerAndTryAgain() {
            Fixture.reset(true)
            const screen = makeList()
            const banner = findChild(screen, "syncBanner")
            Fixture.refuseSaves(true)
            findChild(screen, "addButton").clicked()
            const sheet = screen.addSheetPopup
            tryVerify(function() { return sheet.opened })
            sheet.draft.content = "words typed before the disk filled up"
            findChild(sheet.contentItem, "addConfirmButton").clicked()
            tryVerify(function() { return !sheet.visible })
            tryCompare(banner, "state", "saveFailed")
            verify(findChild(banner, "saveFailedBanner").visible)
            verify(!findChild(banner, "syncingBanner").visible)
            verify(findChild(banner, "saveFailedBannerMessage").text.indexOf("disk is full") >= 0)
            compare(waitForCards(screen, 1)[0].share.content, "words typed before the disk filled up")
            compare(Fixture.itemsInStoreFile(), 0)

            findChild(banner, "saveRetryButton").clicked() // still refused
            compare(banner.state, "saveFailed")
            Fixture.refuseSaves(false)
            findChild(banner, "saveRetryButton").clicked()
            tryCompare(banner, "state", "syncing") // the first pull still runs underneath
            compare(Fixture.itemsInStoreFile(), 1)
            compare(waitForCards(screen, 1)[0].share.content, "words typed before the disk filled up")
        }

        // Files sent from outside that could not be added show until dismissed.
        function test_addProblemShowsUntilDismissed() {
            const screen = makeList()
            const banner = findChild(screen, "syncBanner")
            Fixture.viewModel.reportAddProblem("/tmp/movie.mkv: This file could not be read as a picture.")
            tryCompare(banner, "state", "addFailed")
            verify(findChild(banner, "addFailedBannerMessage").text.indexOf("movie.mkv") >= 0)
            findChild(banner, "addProblemDismissButton").clicked()
            tryCompare(banner, "state", "syncing") // the first pull still runs underneath
        }

        // Pending, failed and out-of-range badges retry their item, once per press; the others do nothing.
        function test_badgesRetryTheirItem() {
            const statuses = [0, 1, 2, 3, 9], retries = [1, 1, 1, 2, 3]
            for (let index = 0; index < statuses.length; ++index)
                Fixture.addItem("Item " + index, "", "text", statuses[index], index / 100, false)
            const screen = makeList()
            waitForCards(screen, statuses.length)
            for (let index = 0; index < statuses.length; ++index) {
                const card = cards(screen)[index]
                compare(card.share.syncStatus, statuses[index])
                mouseClick(findChild(card, "syncStatusIcon"))
                compare(Fixture.retryCount(), retries[index], "status " + statuses[index])
                // A press on a badge that does nothing reaches the card, which opens the item.
                if (screen.navigation.depth > 1)
                    screen.navigation.pop(null, StackView.Immediate)
            }
        }

        // An idle list draws nothing: items synced, pending, failed and left syncing by an earlier
        // run keep still, and so does the window once the first pull has ended. Only while an
        // upload is in flight do the syncing badges turn.
        function test_idleListDrawsNothing() {
            const statuses = [2, 0, 3, 1, 1]
            for (let index = 0; index < statuses.length; ++index)
                Fixture.addItem("Item " + index, "", "text", statuses[index], index / 100, false)
            const screen = makeList()
            waitForCards(screen, statuses.length)
            // The first pull is running: its banner spinner turns.
            verify(framesDrawnOver(300) > 3)
            Fixture.postSyncFinish("")
            tryCompare(findChild(screen, "syncBanner"), "state", "none")
            wait(200)
            compare(framesDrawnOver(1200), 0)

            function turningSpinners() {
                return cards(screen).filter(function(card) { return findChild(card, "spinner").isTurning }).length
            }
            compare(turningSpinners(), 0)
            Fixture.postUploadStart()
            tryVerify(function() { return turningSpinners() === 2 })
            verify(framesDrawnOver(300) > 3)
            Fixture.postUploadFinish()
            tryVerify(function() { return turningSpinners() === 0 })
            wait(200)
            compare(framesDrawnOver(800), 0)
        }

        function test_userTextIsPlain() {
            const markup = "<img src=\"http://127.0.0.1:1/x\"><b>bold</b>"
            const row = makeRow(markup, "<i>content</i>", "text")
            for (const [name, text] of [["share-row-title", markup], ["shareRowSecondary", "<i>content</i>"]]) {
                compare(findChild(row, name).textFormat, Text.PlainText)
                compare(findChild(row, name).text, text)
            }
        }

        // Web and mail links open; a link of any other scheme is shown whole, never opened, and a
        // press says why.
        function test_linksOpenOnlyOnTheWebOrMail_data() {
            return [{ tag: "web", link: "https://www.example.com/news/today", shown: "www.example.com/news/today" },
                    { tag: "file", link: "file:///etc/passwd", scheme: "file:" },
                    { tag: "javascript", link: "javascript:alert(1)", scheme: "javascript:" },
                    { tag: "custom scheme", link: "myapp://run/payload", scheme: "myapp:" }]
        }
        function test_linksOpenOnlyOnTheWebOrMail(data) {
            const row = makeRow("Article", data.link, "url")
            const preview = findChild(row, "shareURLPreview")
            verify(preview.visible)
            compare(findChild(preview, "linkDisplayText").text, data.shown || data.link)
            let opened = []
            preview.openURL = function(link) { opened.push(link.toString()) }
            const refusal = findChild(preview, "linkRefusalText")
            verify(!refusal.visible)
            mouseClick(preview)
            preview.Accessible.pressAction()
            if (!data.scheme) {
                compare(opened, [data.link, data.link])
                verify(!refusal.visible)
                return
            }
            compare(opened, [])
            verify(refusal.visible)
            verify(refusal.text.indexOf(data.scheme) >= 0, refusal.text)
        }

        function test_editPageSaves() {
            Fixture.addItem("Before", "old words", "text", 2, 0, false)
            const screen = makeList()
            waitForCards(screen, 1)[0].clicked()
            tryCompare(screen.navigation, "depth", 2)
            const page = screen.navigation.currentItem
            tryCompare(page.draft, "title", "Before")
            const save = findChild(page, "editSaveButton")
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

        // The tabs, in order, as a segmented control the keyboard reaches: Tab lands on the
        // selected segment, Left and Right move the selection.
        function test_tabsByKeyboard() {
            const content = createTemporaryObject(contentComponent, root)
            compare(content.currentIndex, 0)
            const tags = ["stash-line", "history", "about"]
            for (let index = 0; index < tags.length; ++index)
                verify(findChild(content, "tab_" + tags[index]))
            const first = findChild(content, "tab_stash-line")
            verify(first.activeFocusOnTab)
            verify(!findChild(content, "tab_history").activeFocusOnTab)
            first.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Right)
            compare(content.currentIndex, 1)
            verify(findChild(content, "tab_history").activeFocus)
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Right)
            compare(content.currentIndex, 2)
            keyClick(Qt.Key_Left)
            compare(content.currentIndex, 1)
            mouseClick(findChild(content, "tab_stash-line"))
            compare(content.currentIndex, 0)
        }

        // Without an account the banner leads to the account page, on the About tab.
        function test_setUpSyncOpensTheAccountPage() {
            const content = createTemporaryObject(contentComponent, root)
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            Fixture.postSyncFinish("No cloud account is set up yet.")
            const button = findChild(content, "bannerSetUpSyncButton")
            tryVerify(function() { return button.visible })
            verify(!findChild(content, "accountView").visible)
            button.clicked()
            compare(content.currentIndex, 2)
            verify(findChild(content, "accountView").visible)
            compare(findChild(content, "signInButton").enabled, false) // nothing typed yet
        }
    }
}
