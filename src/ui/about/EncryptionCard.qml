import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// End-to-end encryption of the signed-in account: whether it is on, what the server still sees,
// where the account went when the server would not let it clean up old versions (said before
// encrypting too), and the one action that fits: "Encrypt with a passphrase" for a plain account, "Enter
// passphrase" on a device without the key, "Change passphrase" on one that holds it. A new
// passphrase is typed twice. While a step runs a spinner names it; the result shows under the
// buttons (red for a failure). Passphrases never leave the fields but through the manager.
AboutCard {
    id: card
    objectName: "encryptionCard"
    readonly property EncryptionManager encryption: EncryptionManager
    readonly property string state: encryption.state
    readonly property bool asksNewPassphrase: state === "plain" || (state === "unlocked" && changing)
    property bool changing: false
    property bool lastFailed: false

    visible: state !== "none"

    Connections {
        target: card.encryption
        function onFinished(ok, message) {
            card.lastFailed = !ok
            if (ok) {
                card.changing = false
                passphraseField.clear()
                repeatField.clear()
            }
        }
    }

    function activityText(activity) {
        switch (activity) {
        case "unlocking": return qsTrId("encryption.activity.unlocking")
        case "encrypting": return qsTrId("encryption.activity.encrypting")
        case "sealing": return qsTrId("encryption.activity.sealing")
        case "compacting": return qsTrId("encryption.activity.compacting")
        case "moving": return qsTrId("encryption.activity.moving")
        case "changing": return qsTrId("encryption.activity.changing")
        default: return qsTrId("encryption.activity.startingOver")
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.margins: 20
        spacing: 10

        RowLayout {
            spacing: 8
            SymbolIcon {
                Layout.alignment: Qt.AlignVCenter
                name: card.state === "plain" ? "lock.open" : "lock"
                size: Theme.headlineSize + 2
                color: card.state === "unlocked" ? Theme.accent : Theme.secondary
            }
            Text {
                objectName: "encryptionTitle"
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignVCenter
                text: qsTrId("encryption.title")
                verticalAlignment: Text.AlignVCenter
                font.pixelSize: Theme.headlineSize
                font.weight: Font.DemiBold
                color: Theme.primary
                wrapMode: Text.Wrap
            }
        }
        Text {
            objectName: "encryptionStateText"
            Layout.fillWidth: true
            text: card.state === "plain" ? qsTrId("encryption.state.plain")
                : card.state === "locked" ? qsTrId("encryption.state.locked")
                : card.state === "unlocked" ? qsTrId("encryption.state.unlocked")
                : qsTrId("encryption.state.unknown")
            font.pixelSize: Theme.calloutSize
            color: Theme.primary
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "encryptionServerSees"
            visible: card.state !== "unknown"
            Layout.fillWidth: true
            text: card.state === "plain" ? qsTrId("encryption.serverSees.plain") : qsTrId("encryption.serverSees.encrypted")
            font.pixelSize: Theme.footnoteSize
            color: Theme.secondary
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "encryptionMoved"
            visible: (card.state === "unlocked" || card.state === "locked") && card.encryption.movedFrom.length > 0
            Layout.fillWidth: true
            text: qsTrId("encryption.moved %1").arg(card.encryption.movedFrom)
            textFormat: Text.PlainText
            font.pixelSize: Theme.footnoteSize
            color: Theme.secondary
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "encryptionOldVersions"
            visible: card.state === "unlocked" && card.encryption.oldVersionsMayRemain
            Layout.fillWidth: true
            text: card.encryption.movedFrom.length > 0 ? qsTrId("encryption.oldVersionsInOld %1").arg(card.encryption.movedFrom)
                                                       : qsTrId("encryption.oldVersions")
            textFormat: Text.PlainText
            font.pixelSize: Theme.footnoteSize
            color: Theme.secondary
            wrapMode: Text.Wrap
        }

        GridLayout {
            visible: card.state === "plain" || card.state === "locked" || card.changing
            Layout.fillWidth: true
            Layout.topMargin: 4
            columns: 2
            columnSpacing: 14
            rowSpacing: 10
            Text {
                text: card.state === "locked" ? qsTrId("encryption.field.passphrase") : qsTrId("encryption.field.newPassphrase")
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
            }
            AccountField {
                id: passphraseField
                objectName: "passphraseField"
                echoMode: TextInput.Password
                inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
                Accessible.name: qsTrId("encryption.field.passphrase")
                onAccepted: card.state === "locked" ? actionButton.clicked() : repeatField.forceActiveFocus()
            }
            Text {
                visible: card.asksNewPassphrase
                text: qsTrId("encryption.field.repeat")
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
            }
            AccountField {
                id: repeatField
                objectName: "passphraseRepeatField"
                visible: card.asksNewPassphrase
                echoMode: TextInput.Password
                inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
                Accessible.name: qsTrId("encryption.field.repeat")
                onAccepted: actionButton.clicked()
            }
        }
        Text {
            objectName: "passphraseMismatch"
            visible: card.asksNewPassphrase && repeatField.text.length > 0 && repeatField.text !== passphraseField.text
            Layout.fillWidth: true
            text: qsTrId("encryption.field.mismatch")
            font.pixelSize: Theme.footnoteSize
            color: Theme.red
            wrapMode: Text.Wrap
        }
        Text {
            visible: card.state === "plain"
            Layout.fillWidth: true
            text: qsTrId("encryption.keepSafe")
            font.pixelSize: Theme.footnoteSize
            color: Theme.secondary
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "encryptionMoveNote"
            visible: card.state === "plain"
            Layout.fillWidth: true
            text: qsTrId("encryption.moveNote")
            font.pixelSize: Theme.footnoteSize
            color: Theme.secondary
            wrapMode: Text.Wrap
        }

        RowLayout {
            Layout.topMargin: 4
            spacing: 10
            ThemedButton {
                id: actionButton
                objectName: "encryptionActionButton"
                visible: card.state !== "unknown"
                role: card.state === "unlocked" && !card.changing ? "plain" : "accent"
                small: card.state === "unlocked" && !card.changing
                text: card.state === "plain" ? qsTrId("encryption.action.encrypt")
                    : card.state === "locked" ? qsTrId("encryption.action.unlock")
                    : qsTrId("encryption.action.change")
                enabled: !card.encryption.busy
                         && (card.state === "unlocked" && !card.changing
                             || passphraseField.text.length > 0
                                && (!card.asksNewPassphrase || repeatField.text === passphraseField.text))
                onClicked: {
                    if (card.state === "unlocked" && !card.changing) {
                        card.changing = true
                        passphraseField.forceActiveFocus()
                        return
                    }
                    const passphrase = passphraseField.text
                    if (card.state === "plain")
                        card.encryption.encrypt(passphrase)
                    else if (card.state === "locked")
                        card.encryption.unlock(passphrase)
                    else
                        card.encryption.changePassphrase(passphrase)
                }
            }
            ThemedButton {
                visible: card.changing && !card.encryption.busy
                text: qsTrId("account.cancel")
                small: true
                onClicked: {
                    card.changing = false
                    passphraseField.clear()
                    repeatField.clear()
                }
            }
            ThemedButton {
                visible: card.state === "unknown"
                text: qsTrId("encryption.action.checkAgain")
                small: true
                enabled: !card.encryption.busy
                onClicked: card.encryption.refresh()
            }
            Spinner {
                visible: card.encryption.busy
                running: visible
                size: Theme.bodySize + 4
            }
            Text {
                objectName: "encryptionActivity"
                visible: card.encryption.busy
                Layout.fillWidth: true
                text: card.activityText(card.encryption.activity)
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
        }
        Text {
            objectName: "encryptionMessage"
            visible: text.length > 0
            Layout.fillWidth: true
            text: card.encryption.message
            textFormat: Text.PlainText
            font.pixelSize: Theme.calloutSize
            color: card.lastFailed ? Theme.red : Theme.primary
            wrapMode: Text.Wrap
            Accessible.role: card.lastFailed ? Accessible.AlertMessage : Accessible.StaticText
            Accessible.name: text
        }
    }
}
