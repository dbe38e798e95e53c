import QtQuick
import QtQuick.Controls
import Stashline

// The sync badge of a row. Pending and failed badges are plain buttons that call onRetry once
// per press; syncing and synced badges do nothing. A status outside 0 to 3 shows as pending.
// A syncing item turns its spinner only while an upload is in flight (`uploadInFlight`); one
// left syncing by an earlier run shows the still icon. Without a usable account nothing syncs:
// every badge then calmly says the item is kept on this computer, and does nothing.
AbstractButton {
    id: badge
    objectName: "syncStatusIcon"

    property int status: 0
    property bool uploadInFlight: false
    // A pressable badge is a Tab stop unless its host says otherwise.
    property bool takesTabFocus: true
    signal retry()

    // Signed out, or an account file that cannot be used (the banner says why, once).
    property bool isLocalOnly: AccountManager.state === "signedOut" || AccountManager.state === "problem"
    // 0 to 3 as the item's status; 4: kept on this computer.
    readonly property int shownStatus: isLocalOnly ? 4 : status >= 0 && status <= 3 ? status : 0
    readonly property bool isPressable: shownStatus === 0 || shownStatus === 3
    readonly property color statusColor: shownStatus === 2 ? Theme.green
                                       : shownStatus === 3 ? Theme.red
                                       : Theme.secondary
    readonly property string statusText: shownStatus === 1 ? qsTrId("share.sync.status.syncing")
                                       : shownStatus === 2 ? qsTrId("share.sync.status.synced")
                                       : shownStatus === 3 ? qsTrId("share.sync.status.failed")
                                       : shownStatus === 4 ? qsTrId("share.sync.status.local")
                                       : qsTrId("share.sync.status.pending")

    enabled: isPressable
    focusPolicy: isPressable ? Qt.StrongFocus : Qt.NoFocus
    activeFocusOnTab: isPressable && takesTabFocus
    padding: 0
    hoverEnabled: isPressable
    Accessible.role: isPressable ? Accessible.Button : Accessible.StaticText
    Accessible.name: shownStatus === 3 ? statusText + ", " + qsTrId("share.sync.retry") : statusText
    onClicked: retry()
    Keys.onReturnPressed: retry()
    Keys.onEnterPressed: retry()

    background: null
    contentItem: Row {
        spacing: 6
        Rectangle {
            id: capsule
            width: capsuleRow.implicitWidth + 18
            height: capsuleRow.implicitHeight + 12
            radius: height / 2
            color: badge.shownStatus === 1 ? Theme.withOpacity(Theme.primary, 0.05)
                                           : Theme.withOpacity(badge.statusColor, badge.hovered ? 0.14 : 0.08)
            border.width: badge.visualFocus ? 2 : 0
            border.color: Theme.withOpacity(Theme.accent, 0.7)
            Row {
                id: capsuleRow
                anchors.centerIn: parent
                spacing: 6
                Spinner {
                    visible: badge.shownStatus === 1
                    running: badge.uploadInFlight
                    size: Theme.captionSize + 3
                    anchors.verticalCenter: parent.verticalCenter
                }
                SymbolIcon {
                    visible: badge.shownStatus !== 1
                    anchors.verticalCenter: parent.verticalCenter
                    name: badge.shownStatus === 2 ? "checkmark.icloud"
                        : badge.shownStatus === 3 ? "exclamationmark.icloud"
                        : badge.shownStatus === 4 ? "desktopcomputer"
                        : "icloud.and.arrow.up"
                    size: Theme.captionSize + 3
                    color: badge.statusColor
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: badge.statusText
                    font.pixelSize: Theme.caption2Size
                    color: badge.statusColor
                }
            }
        }
        Text {
            visible: badge.shownStatus === 3
            anchors.verticalCenter: capsule.verticalCenter
            text: qsTrId("share.sync.retry")
            font.pixelSize: Theme.caption2Size
            color: Theme.red
        }
    }
}
