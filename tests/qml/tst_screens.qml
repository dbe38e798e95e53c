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
    Component { id: accountPage; AccountView { width: 960; height: 720 } }
    Component { id: aboutScreen; AboutView { width: 960; height: 720; viewModel: Fixture.viewModel } }
    Component { id: shortListScreen; ShareListView { width: 600; height: 460; viewModel: Fixture.viewModel } }

    TestCase {
        id: test
        name: "Screens"
        when: windowShown

        function init() {
            Fixture.reset()
            Fixture.setAccount("signedIn")
        }

        function makeList() {
            const screen = createTemporaryObject(listScreen, root)
            // The first load runs once the screen is shown.
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            return screen
        }
        function cards(screen, name) {
            const list = findChild(screen, name === "historyCard" || name === "trashCard" ? "historyList" : "shareList")
            list.forceLayout()
            // A row the list let go of (index -1) is culled, not drawn, though still "visible".
            return Array.from(list.contentItem.children, function(child) { return child.index < 0 ? null : findChild(child, name || "shareCard") })
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

        // The Delete key moves the item to the trash at once and the bar offers Undo, which
        // brings it back; Ctrl+Z and Ctrl+Shift+Z undo and redo the same delete.
        function test_deleteMovesToTheTrashWithUndo() {
            Fixture.addItem("Keep me?", "note", "text", 2, 0, false)
            const content = createTemporaryObject(contentComponent, root)
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            // Shortcuts go to the active window (an earlier test's file dialog may have been it).
            root.Window.window.requestActivate()
            tryVerify(function() { return root.Window.window.active })
            const screen = findChild(content, "shareListView")
            waitForCards(screen, 1)[0].forceActiveFocus()
            keyClick(Qt.Key_Delete)
            tryVerify(function() { return findChild(screen, "emptyState").visible })
            compare(Fixture.viewModel.trashCount, 1)
            compare(Fixture.storedItemCount(), 1) // in the trash, not gone
            const bar = findChild(content, "undoBar")
            tryVerify(function() { return bar.shown && bar.opacity === 1 })
            compare(findChild(bar, "undoBarText").text.indexOf("Keep me?") >= 0, true)
            mouseClick(findChild(bar, "undoBarButton"))
            compare(Fixture.viewModel.trashCount, 0)
            verify(!bar.shown)
            waitForCards(screen, 1)[0].forceActiveFocus()
            keyClick(Qt.Key_Delete)
            compare(Fixture.viewModel.trashCount, 1)
            keySequence("Ctrl+Z")
            compare(Fixture.viewModel.trashCount, 0)
            keySequence("Ctrl+Shift+Z")
            compare(Fixture.viewModel.trashCount, 1)
        }

        // Recently Deleted in History: Restore brings an item back; Delete Now and Empty Trash
        // ask first, then remove for good.
        function test_recentlyDeletedRestoresAndEmpties() {
            for (const title of ["First", "Second", "Third"])
                Fixture.viewModel.deleteShare(Fixture.addItem(title, "", "text", 2, 5, false))
            const screen = createTemporaryObject(historyScreen, root)
            const chip = findChild(screen, "trashChip")
            mouseClick(chip)
            verify(screen.showsTrash)
            const trashCards = function() { return cards(screen, "trashCard") }
            tryVerify(function() { return trashCards().length === 3 })
            mouseClick(findChild(trashCards()[0], "trashRestoreButton"))
            tryVerify(function() { return trashCards().length === 2 })
            compare(Fixture.viewModel.trashCount, 2)

            mouseClick(findChild(trashCards()[0], "trashDeleteNowButton"))
            const dialog = screen.deleteDialog
            tryVerify(function() { return dialog.opened })
            dialog.cancel()
            compare(Fixture.viewModel.trashCount, 2)
            mouseClick(findChild(trashCards()[0], "trashDeleteNowButton"))
            tryVerify(function() { return dialog.opened })
            dialog.confirm()
            tryVerify(function() { return trashCards().length === 1 })
            compare(Fixture.storedItemCount(), 2)

            mouseClick(findChild(screen, "emptyTrashButton"))
            tryVerify(function() { return dialog.opened })
            verify(dialog.title.indexOf("1") >= 0)
            dialog.confirm()
            tryVerify(function() { return trashCards().length === 0 })
            compare(Fixture.storedItemCount(), 1)
            verify(findChild(screen, "historyEmpty").visible)
        }

        // Export… and Import… on the About page go through the file chooser; the page says what
        // each did, and a file that cannot be imported is named with its reason.
        function test_aboutExportsAndImports() {
            Fixture.addItem("Carried along", "note", "text", 2, 0, false)
            const about = createTemporaryObject(aboutScreen, root)
            const message = findChild(about, "aboutTransferMessage")
            verify(!message.visible)
            const archive = Fixture.pictureFile().toString().replace("picture.png", "export.zip")
            mouseClick(findChild(about, "aboutExportRow"))
            tryVerify(function() { return Fixture.isFileDialogOpen() })
            verify(Fixture.acceptFileDialog(archive))
            tryVerify(function() { return message.visible })
            verify(message.text.indexOf("export.zip") >= 0)
            const exported = message.text

            mouseClick(findChild(about, "aboutImportRow"))
            tryVerify(function() { return Fixture.isFileDialogOpen() })
            verify(Fixture.acceptFileDialog(archive))
            tryVerify(function() { return message.text !== exported })
            compare(Fixture.storedItemCount(), 1) // matched by uuid, not doubled

            mouseClick(findChild(about, "aboutImportRow"))
            tryVerify(function() { return Fixture.isFileDialogOpen() })
            verify(Fixture.acceptFileDialog(Fixture.pictureFile()))
            tryVerify(function() { return message.text.indexOf("picture.png") >= 0 })
            compare(Fixture.storedItemCount(), 1)
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

        // Tab reaches the list once, on its current card, then that card's own controls, then
        // leaves; Up and Down walk the cards in the order shown, past the day headers, and each
        // focused card is scrolled fully into view.
        function test_keyboardFollowsTheOrderShown() {
            const titles = []
            for (let index = 0; index < 9; ++index) {
                titles.push("Card " + index)
                // Two days: today's five cards above yesterday's four.
                Fixture.addItem(titles[index], "", "text", index === 1 ? 0 : 2, index < 5 ? index / 1000 : 1 + index / 1000, false)
            }
            const screen = createTemporaryObject(shortListScreen, root)
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            const list = findChild(screen, "shareList")
            waitForCards(screen, 5)
            function focused() { return root.Window.activeFocusItem }
            function focusedCard() {
                for (let item = focused(); item; item = item.parent) {
                    if (item.objectName === "shareCard")
                        return item
                }
                return null
            }
            function verifyShown(card) {
                const top = card.mapToItem(list, 0, 0).y
                verify(top >= 0 && top + card.height <= list.height + 1, card.share.title + " at " + top)
            }

            wait(100)
            verify(list.atYBeginning) // a list that loads does not scroll by itself
            findChild(screen, "scopeChip_favorites").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Tab)
            compare(focused().objectName, "shareCard")
            compare(focused().share.title, "Card 0")
            for (let index = 1; index < titles.length; ++index) {
                keyClick(Qt.Key_Down)
                compare(focusedCard().share.title, titles[index])
                verifyShown(focusedCard())
            }
            keyClick(Qt.Key_Down) // the last card stays
            compare(focusedCard().share.title, "Card 8")
            keyClick(Qt.Key_Up)
            compare(focusedCard().share.title, "Card 7")
            keyClick(Qt.Key_Home)
            compare(focusedCard().share.title, "Card 0")
            verifyShown(focusedCard())
            keyClick(Qt.Key_End)
            compare(focusedCard().share.title, "Card 8")
            verifyShown(focusedCard())

            // The card with a waiting badge: Tab goes to its badge, then out of the list; Shift+Tab
            // comes back through the badge to the card.
            keyClick(Qt.Key_Home)
            keyClick(Qt.Key_Down)
            const waiting = focusedCard()
            compare(waiting.share.title, "Card 1")
            keyClick(Qt.Key_Tab)
            compare(focused().objectName, "syncStatusIcon")
            compare(focusedCard(), waiting)
            keyClick(Qt.Key_Tab)
            compare(focusedCard(), null)
            keyClick(Qt.Key_Backtab)
            compare(focused().objectName, "syncStatusIcon")
            keyClick(Qt.Key_Backtab)
            compare(focused(), waiting)
            // Scrolled away by the wheel, the current card is shown again when Tab reaches it.
            list.positionViewAtEnd()
            findChild(screen, "scopeChip_favorites").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Tab)
            compare(focused(), waiting)
            verifyShown(waiting)
        }

        // The About page scrolls beneath the tab bar: the bar looks the same after three notches
        // of the wheel.
        function test_aboutScrollsUnderTheTabBar() {
            const content = createTemporaryObject(contentComponent, root, { height: 460 })
            mouseClick(findChild(content, "tab_about"))
            compare(content.currentIndex, 2)
            const scroll = findChild(content, "aboutScroll")
            const bar = findChild(content, "tabBar")
            const before = grabImage(bar)
            for (let notch = 0; notch < 3; ++notch)
                mouseWheel(scroll, scroll.width / 2, 40, 0, -120)
            tryVerify(function() { return scroll.contentY > 100 })
            verify(grabImage(bar).equals(before))
        }

        // Copy on a card takes what `stashline copy` takes: a picture item without text of its
        // own copies the picture, titled or not; a note its text.
        function test_copyOnACardTakesThePicture_data() {
            return [{ tag: "titled picture", title: "Whiteboard", content: "", copied: "60x40" },
                    { tag: "untitled picture", title: "", content: "", copied: "60x40" },
                    { tag: "picture with a note", title: "Receipt", content: "lunch", copied: "lunch" }]
        }
        function test_copyOnACardTakesThePicture(data) {
            Fixture.addPictureItem(data.title, data.content)
            const screen = makeList()
            const card = waitForCards(screen, 1)[0]
            Fixture.setClipboardText("what was copied before")
            card.forceActiveFocus()
            keySequence(StandardKey.Copy)
            compare(Fixture.clipboardContent(), data.copied)
            Fixture.setClipboardText("what was copied before")
            findChild(card, "menuCopy").triggered()
            compare(Fixture.clipboardContent(), data.copied)
        }

        // Nobody signed in: the items are kept here, calmly. No badge is red or offers a retry,
        // no download error shows, and one "Set Up Sync…" leads to the account page. An account
        // file that cannot be used says why, once, in the banner; signing in brings the badges back.
        function test_signedOutIsCalm() {
            Fixture.setAccount("signedOut")
            Fixture.addItem("Waiting", "", "text", 0, 0, false)
            Fixture.addItem("Failed before", "", "text", 3, 0.001, false)
            Fixture.addItem("Synced before", "", "text", 2, 0.002, false)
            const content = createTemporaryObject(contentComponent, root)
            tryVerify(function() { return Fixture.downloadCount() === 1 })
            const screen = findChild(content, "shareListView")
            const banner = findChild(screen, "syncBanner")
            const cardsShown = waitForCards(screen, 3)
            tryCompare(banner, "state", "local")
            Fixture.postSyncFinish("You are not signed in to a cloud account.")
            compare(banner.state, "local")
            verify(findChild(banner, "localBanner").visible)
            verify(!findChild(banner, "failedBanner").visible)
            for (const card of cardsShown) {
                const badge = findChild(card, "syncStatusIcon")
                compare(badge.shownStatus, 4, card.share.title)
                verify(!badge.isPressable)
                verify(badge.statusColor !== Theme.red)
                mouseClick(badge)
                if (screen.navigation.depth > 1)
                    screen.navigation.pop(null, StackView.Immediate)
            }
            compare(Fixture.retryCount(), 0)
            // One way to set up sync, and it opens the account page.
            const setUp = findChild(banner, "bannerSetUpSyncButton")
            verify(setUp.visible)
            setUp.clicked()
            compare(content.currentIndex, 2)
            verify(findChild(content, "accountView").visible)

            mouseClick(findChild(content, "tab_stash-line"))
            Fixture.setAccount("problem")
            tryCompare(banner, "state", "accountProblem")
            verify(findChild(banner, "accountProblemBannerMessage").text.length > 0)
            compare(findChild(cards(screen)[1], "syncStatusIcon").shownStatus, 4)

            Fixture.setAccount("signedIn")
            tryCompare(banner, "state", "failed")
            const failed = findChild(cards(screen)[1], "syncStatusIcon")
            compare(failed.shownStatus, 3)
            verify(failed.isPressable)
        }

        // A failed sign-in to another server is the form's error: it shows under the form, the
        // signed-in card above stays as it was, and no field moves.
        function test_signInErrorBelongsToTheForm() {
            const page = createTemporaryObject(accountPage, root)
            const server = findChild(page, "serverField")
            const password = findChild(page, "passwordField")
            const stateCard = findChild(page, "accountStateText")
            const fieldsBefore = [server.mapToItem(page, 0, 0).y, password.mapToItem(page, 0, 0).y]
            const stateBefore = stateCard.text
            server.text = "not an address"
            findChild(page, "userField").text = "bob"
            password.text = "secret"
            findChild(page, "signInButton").clicked()
            const message = findChild(page, "signInMessage")
            tryVerify(function() { return message.visible && message.text.length > 0 })
            verify(!findChild(page, "accountStateMessage").visible)
            compare(stateCard.text, stateBefore)
            compare([server.mapToItem(page, 0, 0).y, password.mapToItem(page, 0, 0).y], fieldsBefore)
            const button = findChild(page, "signInButton")
            tryVerify(function() { return message.mapToItem(page, 0, 0).y > button.mapToItem(page, 0, 0).y + button.height })
        }

        // Without an account the banner leads to the account page, on the About tab.
        function test_setUpSyncOpensTheAccountPage() {
            Fixture.setAccount("signedOut")
            const content = createTemporaryObject(contentComponent, root)
            tryVerify(function() { return Fixture.downloadCount() === 1 })
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
