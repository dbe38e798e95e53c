import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The account page: the account's state (signed out; signed in as a user on a server, with the
// database and the last download and upload; an account from the environment; an account file
// that cannot be used), the last error, and the actions: sign in with a server address, user
// name, password and optional database, sign out, or use a local server. While a request runs a
// spinner turns and Cancel ends it; the fields stay editable. Texts from the server or the user
// are plain text.
Item {
    id: page
    objectName: "accountView"
    signal backRequested()

    readonly property AccountManager account: AccountManager
    readonly property bool canChange: account.state !== "environment" && !account.busy

    function formatTime(time) {
        return isNaN(time.getTime()) ? qsTrId("account.state.never") : time.toLocaleString(Qt.locale(), Locale.ShortFormat)
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.windowBackground
    }

    Flickable {
        id: scroll
        anchors.fill: parent
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
                    Text {
                        objectName: "accountMessage"
                        visible: text.length > 0
                        Layout.fillWidth: true
                        Layout.topMargin: 6
                        text: page.account.message
                        textFormat: Text.PlainText
                        font.pixelSize: Theme.calloutSize
                        color: Theme.red
                        wrapMode: Text.Wrap
                        Accessible.role: Accessible.AlertMessage
                        Accessible.name: text
                    }
                    RowLayout {
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
                    RowLayout {
                        visible: page.account.state === "signedIn"
                        Layout.topMargin: 6
                        spacing: 10
                        ThemedButton {
                            objectName: "signOutButton"
                            text: qsTrId("account.signOut")
                            small: true
                            enabled: page.canChange
                            onClicked: page.account.signOut()
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
                    onClicked: page.account.useLocalServer()
                }
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
