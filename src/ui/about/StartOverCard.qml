import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// For a forgotten passphrase, on an encrypted account: "Start over" erases the cloud copy and
// uploads this device's items under a new passphrase. It says what other devices will see, and
// goes ahead only once the database's name is typed and the new passphrase is typed twice.
AboutCard {
    id: card
    objectName: "startOverCard"
    readonly property EncryptionManager encryption: EncryptionManager
    property bool open: false

    visible: encryption.state === "locked" || encryption.state === "unlocked"

    Connections {
        target: card.encryption
        function onFinished(ok, message) {
            if (ok) {
                card.open = false
                confirmField.clear()
                newField.clear()
                repeatField.clear()
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.margins: 20
        spacing: 10

        Text {
            Layout.fillWidth: true
            text: qsTrId("encryption.startOver.title")
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
            color: Theme.primary
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "startOverExplanation"
            Layout.fillWidth: true
            text: qsTrId("encryption.startOver.explanation")
            font.pixelSize: Theme.calloutSize
            color: Theme.secondary
            wrapMode: Text.Wrap
        }
        ThemedButton {
            objectName: "startOverOpenButton"
            visible: !card.open
            text: qsTrId("encryption.startOver.action")
            small: true
            enabled: !card.encryption.busy
            onClicked: card.open = true
        }
        GridLayout {
            visible: card.open
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 14
            rowSpacing: 10
            Text {
                Layout.columnSpan: 2
                Layout.fillWidth: true
                text: qsTrId("encryption.startOver.typeName %1").arg(card.encryption.startOverWord)
                textFormat: Text.PlainText
                font.pixelSize: Theme.calloutSize
                color: Theme.primary
                wrapMode: Text.Wrap
            }
            Text { text: qsTrId("account.field.database"); font.pixelSize: Theme.calloutSize; color: Theme.secondary }
            AccountField {
                id: confirmField
                objectName: "startOverConfirmField"
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                Accessible.name: qsTrId("account.field.database")
            }
            Text { text: qsTrId("encryption.field.newPassphrase"); font.pixelSize: Theme.calloutSize; color: Theme.secondary }
            AccountField {
                id: newField
                objectName: "startOverPassphraseField"
                echoMode: TextInput.Password
                inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
                Accessible.name: qsTrId("encryption.field.newPassphrase")
            }
            Text { text: qsTrId("encryption.field.repeat"); font.pixelSize: Theme.calloutSize; color: Theme.secondary }
            AccountField {
                id: repeatField
                objectName: "startOverRepeatField"
                echoMode: TextInput.Password
                inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
                Accessible.name: qsTrId("encryption.field.repeat")
            }
            RowLayout {
                Layout.columnSpan: 2
                spacing: 10
                ThemedButton {
                    objectName: "startOverButton"
                    text: qsTrId("encryption.startOver.confirm")
                    role: "destructive"
                    enabled: !card.encryption.busy && confirmField.text.trim() === card.encryption.startOverWord
                             && newField.text.length > 0 && repeatField.text === newField.text
                    onClicked: card.encryption.startOver(newField.text, confirmField.text)
                }
                ThemedButton {
                    text: qsTrId("account.cancel")
                    small: true
                    enabled: !card.encryption.busy
                    onClicked: card.open = false
                }
            }
        }
    }
}
