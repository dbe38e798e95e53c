import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The list's banner: a failed save of the user's changes first (they are only in memory until
// Try Again or a later save succeeds), else the syncing row while a cloud pass runs (it wins over
// an old error), else the cloud failure card with the error text and a retry button, else nothing.
Item {
    id: banner
    objectName: "syncBanner"
    required property var viewModel

    readonly property string state: viewModel.lastSaveErrorMessage.length > 0 ? "saveFailed"
                                  : viewModel.isSyncingFromCloud ? "syncing"
                                  : viewModel.lastCloudSyncErrorMessage.length > 0 ? "failed" : "none"

    visible: state !== "none"
    implicitHeight: state === "saveFailed" ? saveFailedCard.height
                  : state === "syncing" ? syncingRow.height : state === "failed" ? failedCard.height : 0

    Rectangle {
        id: saveFailedCard
        objectName: "saveFailedBanner"
        visible: banner.state === "saveFailed"
        width: banner.width
        height: saveFailedColumn.implicitHeight + 28
        radius: 18
        color: Theme.withOpacity(Theme.red, 0.06)
        border.width: 1
        border.color: Theme.withOpacity(Theme.red, 0.12)
        Accessible.role: Accessible.AlertMessage
        Accessible.name: qsTrId("share.save.banner.failed")
        ColumnLayout {
            id: saveFailedColumn
            x: 14
            y: 14
            width: parent.width - 28
            spacing: 8
            Text {
                Layout.fillWidth: true
                text: qsTrId("share.save.banner.failed")
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                color: Theme.primary
                wrapMode: Text.Wrap
            }
            Text {
                objectName: "saveFailedBannerMessage"
                Layout.fillWidth: true
                text: banner.viewModel.lastSaveErrorMessage
                textFormat: Text.PlainText
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
            Button {
                objectName: "saveRetryButton"
                text: qsTrId("share.save.retry")
                highlighted: true
                font.pixelSize: Theme.calloutSize
                Accessible.name: text
                onClicked: banner.viewModel.retrySave()
            }
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

    Rectangle {
        id: failedCard
        objectName: "failedBanner"
        visible: banner.state === "failed"
        width: banner.width
        height: failedColumn.implicitHeight + 28
        radius: 18
        color: Theme.withOpacity(Theme.red, 0.06)
        border.width: 1
        border.color: Theme.withOpacity(Theme.red, 0.12)
        ColumnLayout {
            id: failedColumn
            x: 14
            y: 14
            width: parent.width - 28
            spacing: 8
            Text {
                Layout.fillWidth: true
                text: qsTrId("share.sync.banner.failed")
                font.pixelSize: Theme.bodySize
                font.weight: Font.DemiBold
                color: Theme.primary
                wrapMode: Text.Wrap
            }
            Text {
                objectName: "failedBannerMessage"
                Layout.fillWidth: true
                text: banner.viewModel.lastCloudSyncErrorMessage
                textFormat: Text.PlainText
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
            Row {
                spacing: 10
                // Without a usable account the way forward is to sign in, not to try again.
                ThemedButton {
                    id: setUpSync
                    objectName: "bannerSetUpSyncButton"
                    visible: AccountManager.state === "signedOut" || AccountManager.state === "problem"
                    text: qsTrId("account.banner.setUp")
                    role: "accent"
                    small: true
                    onClicked: AccountManager.requestAccountPage()
                }
                ThemedButton {
                    objectName: "bannerRetryButton"
                    text: qsTrId("share.sync.download.retry")
                    role: setUpSync.visible ? "plain" : "accent"
                    small: true
                    onClicked: banner.viewModel.refresh()
                }
            }
        }
    }
}
