import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The list's banner: a failed save of the user's changes first (they are only in memory until
// Try Again or a later save succeeds), then files sent from outside that could not be added
// (until dismissed); without a usable account, a calm note that items are kept on this computer
// with "Set Up Sync…" (or, for an account file that cannot be used, why); for an encrypted account
// whose key this device does not hold, "Enter your passphrase to sync" with the way to the
// account page (nothing is sent or applied meanwhile); else the syncing row
// while a cloud pass runs (it wins over an old error), else the cloud failure card with the
// error text and a retry button, else nothing.
Item {
    id: banner
    objectName: "syncBanner"
    required property ShareListViewModel viewModel

    readonly property string state: viewModel.lastSaveErrorMessage.length > 0 ? "saveFailed"
                                  : viewModel.addProblemMessage.length > 0 ? "addFailed"
                                  : AccountManager.state === "problem" ? "accountProblem"
                                  : AccountManager.state === "signedOut" ? "local"
                                  : viewModel.isSyncLocked ? "locked"
                                  : viewModel.isSyncingFromCloud ? "syncing"
                                  : viewModel.lastCloudSyncErrorMessage.length > 0 ? "failed" : "none"

    visible: state !== "none"
    implicitHeight: state === "syncing" ? syncingRow.height
                  : state === "saveFailed" ? saveFailedCard.height
                  : state === "addFailed" ? addFailedCard.height
                  : state === "accountProblem" ? accountProblemCard.height
                  : state === "local" ? localCard.height
                  : state === "locked" ? lockedCard.height
                  : state === "failed" ? failedCard.height : 0

    // A problem: its headline, the reason in the user's or the server's words, and what can be
    // done about it (the card's children).
    component ProblemCard: Rectangle {
        id: card
        property string headline
        property alias message: messageText.text
        property alias messageObjectName: messageText.objectName
        default property alias actions: actionRow.data
        width: banner.width
        height: column.implicitHeight + 28
        radius: 18
        color: Theme.withOpacity(Theme.red, 0.06)
        border.width: 1
        border.color: Theme.withOpacity(Theme.red, 0.12)
        Accessible.role: Accessible.AlertMessage
        Accessible.name: headline
        ColumnLayout {
            id: column
            x: 14
            y: 14
            width: parent.width - 28
            spacing: 8
            Text {
                Layout.fillWidth: true
                text: card.headline
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                color: Theme.primary
                wrapMode: Text.Wrap
            }
            Text {
                id: messageText
                Layout.fillWidth: true
                textFormat: Text.PlainText
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
            Row {
                id: actionRow
                spacing: 10
            }
        }
    }

    ProblemCard {
        id: saveFailedCard
        objectName: "saveFailedBanner"
        visible: banner.state === "saveFailed"
        headline: qsTrId("share.save.banner.failed")
        message: banner.viewModel.lastSaveErrorMessage
        messageObjectName: "saveFailedBannerMessage"
        ThemedButton {
            objectName: "saveRetryButton"
            text: qsTrId("share.save.retry")
            role: "accent"
            small: true
            onClicked: banner.viewModel.retrySave()
        }
    }

    ProblemCard {
        id: addFailedCard
        objectName: "addFailedBanner"
        visible: banner.state === "addFailed"
        headline: qsTrId("share.send.banner.failed")
        message: banner.viewModel.addProblemMessage
        messageObjectName: "addFailedBannerMessage"
        ThemedButton {
            objectName: "addProblemDismissButton"
            text: qsTrId("share.send.banner.dismiss")
            role: "accent"
            small: true
            onClicked: banner.viewModel.dismissAddProblem()
        }
    }

    Rectangle {
        id: syncingRow
        objectName: "syncingBanner"
        visible: banner.state === "syncing"
        width: Math.min(banner.width, syncingContent.implicitWidth + 28)
        height: syncingContent.implicitHeight + 20
        radius: 12
        color: Theme.withOpacity(Theme.primary, 0.04)
        Row {
            id: syncingContent
            x: 14
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10
            Spinner {
                running: syncingRow.visible
                size: Theme.calloutSize + 4
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTrId("share.sync.banner.syncing")
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
            }
        }
    }

    // Nobody is signed in: nothing failed, the items simply stay here.
    Rectangle {
        id: localCard
        objectName: "localBanner"
        visible: banner.state === "local"
        width: banner.width
        height: localRow.implicitHeight + 20
        radius: 18
        color: Theme.withOpacity(Theme.primary, 0.04)
        border.width: 1
        border.color: Theme.withOpacity(Theme.primary, 0.06)
        RowLayout {
            id: localRow
            x: 14
            y: 10
            width: parent.width - 28
            spacing: 12
            SymbolIcon {
                // The tray panel's narrow banner keeps its width for the text.
                visible: banner.width > 420
                Layout.alignment: Qt.AlignVCenter
                name: "desktopcomputer"
                size: Theme.bodySize + 4
                color: Theme.secondary
            }
            Text {
                objectName: "localBannerText"
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignVCenter
                text: qsTrId("share.sync.banner.local")
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
            ThemedButton {
                objectName: "bannerSetUpSyncButton"
                Layout.alignment: Qt.AlignVCenter
                text: qsTrId("account.banner.setUp")
                small: true
                onClicked: AccountManager.requestAccountPage()
            }
        }
    }

    // The account is encrypted and this device does not hold its key: sync waits for the
    // passphrase (or, after a start-over elsewhere, the new one).
    Rectangle {
        id: lockedCard
        objectName: "lockedBanner"
        visible: banner.state === "locked"
        width: banner.width
        height: lockedRow.implicitHeight + 20
        radius: 18
        color: Theme.withOpacity(Theme.accent, 0.06)
        border.width: 1
        border.color: Theme.withOpacity(Theme.accent, 0.14)
        Accessible.role: Accessible.AlertMessage
        Accessible.name: qsTrId("encryption.banner.locked")
        // The tray panel's narrow banner puts the button under the text.
        GridLayout {
            id: lockedRow
            x: 14
            y: 10
            width: parent.width - 28
            columns: banner.width > 420 ? 3 : 1
            columnSpacing: 12
            rowSpacing: 8
            SymbolIcon {
                visible: banner.width > 420
                Layout.alignment: Qt.AlignVCenter
                name: "lock"
                size: Theme.bodySize + 4
                color: Theme.secondary
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2
                Text {
                    objectName: "lockedBannerText"
                    Layout.fillWidth: true
                    text: qsTrId("encryption.banner.locked")
                    font.pixelSize: Theme.calloutSize
                    font.weight: Font.DemiBold
                    color: Theme.primary
                    wrapMode: Text.Wrap
                }
                Text {
                    Layout.fillWidth: true
                    text: banner.viewModel.syncLockReason === "newKey" ? qsTrId("encryption.banner.newKey")
                        : banner.viewModel.syncLockReason === "keyMissing" ? qsTrId("encryption.banner.keyMissing")
                        : qsTrId("encryption.banner.waiting")
                    font.pixelSize: Theme.footnoteSize
                    color: Theme.secondary
                    wrapMode: Text.Wrap
                }
            }
            ThemedButton {
                objectName: "bannerEnterPassphraseButton"
                Layout.alignment: banner.width > 420 ? Qt.AlignVCenter : Qt.AlignLeft
                text: qsTrId("encryption.banner.enter")
                role: "accent"
                small: true
                onClicked: AccountManager.requestAccountPage()
            }
        }
    }

    // An account file that cannot be used: why, and the way to a new sign-in.
    ProblemCard {
        id: accountProblemCard
        objectName: "accountProblemBanner"
        visible: banner.state === "accountProblem"
        headline: qsTrId("account.banner.problem")
        message: AccountManager.message
        messageObjectName: "accountProblemBannerMessage"
        ThemedButton {
            objectName: "bannerSignInAgainButton"
            text: qsTrId("account.banner.setUp")
            role: "accent"
            small: true
            onClicked: AccountManager.requestAccountPage()
        }
    }

    ProblemCard {
        id: failedCard
        objectName: "failedBanner"
        visible: banner.state === "failed"
        headline: qsTrId("share.sync.banner.failed")
        message: banner.viewModel.lastCloudSyncErrorMessage
        messageObjectName: "failedBannerMessage"
        ThemedButton {
            objectName: "bannerRetryButton"
            text: qsTrId("share.sync.download.retry")
            role: "accent"
            small: true
            onClicked: banner.viewModel.refresh()
        }
    }
}
