import QtQuick
import QtQuick.Layouts
import Stashline

// "Open on Your Phone" on the account page: publishes the web companion to the signed-in
// server and shows its address as text (selectable, with Copy) and as a QR code. For a server on
// this computer it explains first that a phone cannot reach it, and what to do instead.
AboutCard {
    id: card
    objectName: "webCompanionCard"

    WebCompanion {
        id: companion
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.margins: 20
        spacing: 10

        Text {
            text: qsTrId("account.web.title")
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
            color: Theme.primary
            Accessible.role: Accessible.Heading
        }
        Text {
            Layout.fillWidth: true
            text: qsTrId("account.web.explain")
            font.pixelSize: Theme.calloutSize
            color: Theme.secondary
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "webCompanionLocalNote"
            visible: companion.isOnThisComputer
            Layout.fillWidth: true
            text: qsTrId("account.web.localServer")
            font.pixelSize: Theme.calloutSize
            color: Theme.primary
            wrapMode: Text.Wrap
        }
        ThemedButton {
            objectName: "webCompanionPublishButton"
            text: companion.busy ? qsTrId("account.web.publishing") : qsTrId("account.web.publish")
            iconName: "iphone"
            small: true
            enabled: !companion.busy
            onClicked: companion.publish()
        }
        Text {
            objectName: "webCompanionProblem"
            visible: companion.problem.length > 0
            Layout.fillWidth: true
            text: companion.problem
            textFormat: Text.PlainText
            font.pixelSize: Theme.calloutSize
            color: Theme.red
            wrapMode: Text.Wrap
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
        }
        ColumnLayout {
            visible: companion.address.length > 0
            Layout.fillWidth: true
            spacing: 8
            Text {
                Layout.fillWidth: true
                text: qsTrId("account.web.address")
                font.pixelSize: Theme.calloutSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
            TextEdit {
                objectName: "webCompanionAddress"
                Layout.fillWidth: true
                text: companion.address
                textFormat: TextEdit.PlainText
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.WrapAnywhere
                font.pixelSize: Theme.calloutSize
                color: Theme.primary
                selectionColor: Theme.accent
            }
            ThemedButton {
                text: qsTrId("general.copy")
                small: true
                onClicked: Clipboard.setText(companion.address)
            }
            Rectangle {
                // The code stays dark on white in both themes: readers expect it that way.
                Layout.preferredWidth: 200
                Layout.preferredHeight: 200
                color: "white"
                radius: 8
                QrCodeImage {
                    objectName: "webCompanionQrCode"
                    anchors.fill: parent
                    anchors.margins: 4
                    text: companion.address
                    Accessible.role: Accessible.Graphic
                    Accessible.name: qsTrId("account.web.qr.accessibility")
                }
            }
        }
    }
}
