import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The account page: the account's state (signed out; signed in as a user on a server, with the
// database and the last download and upload; an account from the environment; an account file
// that cannot be used), the last error, and the actions: sign in with a server address, user
// name, password and optional database, sign out, or use a local server; for a signed-in account
// its end-to-end encryption (EncryptionCard, StartOverCard). While a request runs a
// spinner turns and Cancel ends it; the fields stay editable. Texts from the server or the user
// are plain text.
Item {
    id: page
    objectName: "accountView"
    signal backRequested()

    readonly property AccountManager account: AccountManager
    readonly property bool canChange: account.state !== "environment" && !account.busy
    // The action the account's message answers, so it shows where the user acted: a sign-in's
    // failure and the keyring offer under the sign-in form (nothing above it moves), the local
    // server's under its row, anything else (an account file that cannot be used, a failed sign
    // out) in the state card.
    property string lastAction: ""
    readonly property string messagePlace: account.message.length === 0 ? ""
                                         : account.isKeyringOfferPending || lastAction === "signIn" ? "signIn"
                                         : lastAction === "localServer" ? "localServer" : "state"

    // The account's message where `place` is messagePlace: red for a failure, in the body colour
    // for the keyring offer, which is a choice.
    component MessageText: Text {
        required property string place
        required property string shownPlace
        required property string message
        required property bool isOffer
        visible: shownPlace === place
        Layout.fillWidth: true
        text: visible ? message : ""
        textFormat: Text.PlainText
        font.pixelSize: Theme.calloutSize
        color: isOffer ? Theme.primary : Theme.red
        wrapMode: Text.Wrap
        Accessible.role: isOffer ? Accessible.StaticText : Accessible.AlertMessage
        Accessible.name: text
    }

    function formatTime(time) {
        return isNaN(time.getTime()) ? qsTrId("account.state.never") : ShareRowFormatter.editDateText(time)
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.windowBackground
    }

    Flickable {
        id: scroll
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: column.implicitHeight + 56
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ThemedScrollBar {}

        ColumnLayout {
            id: column
            y: 24
            width: Math.min(520, parent.width - 36)
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 18

            ThemedButton {
                objectName: "accountBackButton"
                text: qsTrId("tab.about")
                iconName: "chevron.left"
                small: true
                onClicked: page.backRequested()
            }
            Text {
                text: qsTrId("account.title")
                font.pixelSize: Theme.title2Size
                font.bold: true
                color: Theme.primary
                Accessible.role: Accessible.Heading
            }

            // State
            AboutCard {
                Layout.fillWidth: true
                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.margins: 20
                    spacing: 6
                    Text {
                        objectName: "accountStateText"
                        Layout.fillWidth: true
                        text: page.account.state === "signedIn" || page.account.state === "environment"
                              ? qsTrId("account.state.signedIn").arg(page.account.userName).arg(page.account.serverAddress)
                              : qsTrId("account.state.signedOut")
                        textFormat: Text.PlainText
                        font.pixelSize: Theme.headlineSize
                        font.weight: Font.DemiBold
                        color: Theme.primary
                        wrapMode: Text.Wrap
                    }
                    Repeater {
                        model: page.account.state === "signedIn" || page.account.state === "environment"
                               ? [qsTrId("account.state.database").arg(page.account.databaseName),
                                  qsTrId("account.state.lastDownload").arg(page.formatTime(page.account.lastDownload)),
                                  qsTrId("account.state.lastUpload").arg(page.formatTime(page.account.lastUpload))]
                               : []
                        Text {
                            required property string modelData
                            Layout.fillWidth: true
                            text: modelData
                            textFormat: Text.PlainText
                            font.pixelSize: Theme.calloutSize
                            color: Theme.secondary
                            wrapMode: Text.Wrap
                        }
                    }
                    Text {
                        visible: page.account.state === "environment"
                        Layout.fillWidth: true
                        text: qsTrId("account.state.environment")
                        font.pixelSize: Theme.calloutSize
                        color: Theme.secondary
                        wrapMode: Text.Wrap
                    }
                    MessageText {
                        objectName: "accountStateMessage"
                        place: "state"
                        shownPlace: page.messagePlace
                        message: page.account.message
                        isOffer: page.account.isKeyringOfferPending
                        Layout.topMargin: 6
                    }
                    RowLayout {
                        visible: page.account.state === "signedIn"
                        Layout.topMargin: 6
                        spacing: 10
                        ThemedButton {
                            objectName: "signOutButton"
                            text: qsTrId("account.signOut")
                            small: true
                            enabled: page.canChange
                            onClicked: {
                                page.lastAction = "signOut"
                                page.account.signOut()
                            }
                        }
                        Text {
                            Layout.fillWidth: true
                            text: qsTrId("account.signOut.note")
                            font.pixelSize: Theme.footnoteSize
                            color: Theme.secondary
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }

            // End-to-end encryption of the signed-in account, and the way back from a forgotten
            // passphrase.
            EncryptionCard {
                Layout.fillWidth: true
            }
            StartOverCard {
                Layout.fillWidth: true
            }
            WebCompanionCard {
                Layout.fillWidth: true
                visible: page.account.state === "signedIn" || page.account.state === "environment"
            }

            // Sign in
            AboutCard {
                Layout.fillWidth: true
                visible: page.account.state !== "environment"
                GridLayout {
                    Layout.fillWidth: true
                    Layout.margins: 20
                    columns: 2
                    columnSpacing: 14
                    rowSpacing: 10
                    Text {
                        Layout.columnSpan: 2
                        text: page.account.state === "signedIn" ? qsTrId("account.signIn.other") : qsTrId("account.signIn.title")
                        font.pixelSize: Theme.headlineSize
                        font.weight: Font.DemiBold
                        color: Theme.primary
                    }
                    Text { text: qsTrId("account.field.server"); font.pixelSize: Theme.calloutSize; color: Theme.secondary }
                    AccountField {
                        id: serverField
                        objectName: "serverField"
                        placeholderText: "https://couch.example.com:6984"
                        inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase
                        Accessible.name: qsTrId("account.field.server")
                    }
                    Text { text: qsTrId("account.field.user"); font.pixelSize: Theme.calloutSize; color: Theme.secondary }
                    AccountField {
                        id: userField
                        objectName: "userField"
                        inputMethodHints: Qt.ImhNoAutoUppercase
                        Accessible.name: qsTrId("account.field.user")
                    }
                    Text { text: qsTrId("account.field.password"); font.pixelSize: Theme.calloutSize; color: Theme.secondary }
                    AccountField {
                        id: passwordField
                        objectName: "passwordField"
                        echoMode: TextInput.Password
                        inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
                        Accessible.name: qsTrId("account.field.password")
                        onAccepted: signInButton.clicked()
                    }
                    Text { text: qsTrId("account.field.database"); font.pixelSize: Theme.calloutSize; color: Theme.secondary }
                    AccountField {
                        id: databaseField
                        objectName: "databaseField"
                        placeholderText: qsTrId("account.field.database.automatic")
                        inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhLowercaseOnly
                        Accessible.name: qsTrId("account.field.database")
                    }
                    RowLayout {
                        Layout.columnSpan: 2
                        Layout.topMargin: 4
                        spacing: 10
                        ThemedButton {
                            id: signInButton
                            objectName: "signInButton"
                            text: qsTrId("account.signIn")
                            role: "accent"
                            enabled: page.canChange && serverField.text.length > 0 && userField.text.length > 0
                                     && passwordField.text.length > 0
                            onClicked: {
                                page.lastAction = "signIn"
                                page.account.signIn(serverField.text, userField.text, passwordField.text, databaseField.text)
                                passwordField.clear()
                            }
                        }
                        Spinner {
                            objectName: "accountSpinner"
                            visible: page.account.busy
                            running: visible
                            size: Theme.bodySize + 4
                        }
                        Text {
                            visible: page.account.busy
                            text: qsTrId("account.working")
                            font.pixelSize: Theme.calloutSize
                            color: Theme.secondary
                        }
                        ThemedButton {
                            objectName: "accountCancelButton"
                            visible: page.account.busy
                            text: qsTrId("account.cancel")
                            small: true
                            onClicked: page.account.cancel()
                        }
                    }
                    RowLayout {
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        visible: page.messagePlace === "signIn"
                        spacing: 8
                        SymbolIcon {
                            Layout.alignment: Qt.AlignTop
                            visible: page.account.isKeyringOfferPending
                            name: "info.circle"
                            size: Theme.calloutSize + 4
                            color: Theme.secondary
                        }
                        MessageText {
                            objectName: "signInMessage"
                            place: "signIn"
                            shownPlace: page.messagePlace
                            message: page.account.message
                            isOffer: page.account.isKeyringOfferPending
                        }
                    }
                    RowLayout {
                        Layout.columnSpan: 2
                        visible: page.account.isKeyringOfferPending
                        spacing: 10
                        ThemedButton {
                            objectName: "keepPasswordInFileButton"
                            text: qsTrId("account.keyring.keepInFile")
                            role: "accent"
                            small: true
                            onClicked: page.account.keepPasswordInFile()
                        }
                        ThemedButton {
                            text: qsTrId("account.cancel")
                            small: true
                            onClicked: page.account.declineKeyringOffer()
                        }
                    }
                }
            }

            // Local server
            AboutCard {
                Layout.fillWidth: true
                visible: page.account.state !== "environment"
                AboutRow {
                    objectName: "useLocalServerRow"
                    Layout.fillWidth: true
                    iconName: "server.rack"
                    titleText: qsTrId("account.useLocalServer")
                    showsDivider: false
                    enabled: page.canChange
                    onClicked: {
                        page.lastAction = "localServer"
                        page.account.useLocalServer()
                    }
                }
            }
            MessageText {
                objectName: "localServerMessage"
                place: "localServer"
                shownPlace: page.messagePlace
                message: page.account.message
                isOffer: page.account.isKeyringOfferPending
                Layout.leftMargin: 20
                Layout.rightMargin: 20
            }
            Text {
                visible: page.account.state !== "environment" && page.account.localServerProblem.length > 0
                Layout.fillWidth: true
                Layout.leftMargin: 20
                Layout.rightMargin: 20
                text: page.account.localServerProblem
                font.pixelSize: Theme.footnoteSize
                color: Theme.secondary
                wrapMode: Text.Wrap
            }
        }
    }
}
