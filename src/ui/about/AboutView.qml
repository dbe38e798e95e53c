import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The About tab: the account card, icon, name, version and description, then the contact,
// documents and other-application cards; the account card opens the account page in its place. Every action hands a URL to the user's default handler; an absent
// or unbuildable URL leaves its row disabled or doing nothing.
Item {
    id: about
    objectName: "aboutView"

    property string feedbackEmail
    property url appStoreURL
    property url reviewURL
    property url developerURL
    property url termsOfUseURL
    // The account page is shown instead of the About page.
    property bool accountShown: false
    // The list model, for Export… and Import….
    property ShareListViewModel viewModel

    // The other application of the same maker shown at the bottom.
    readonly property string otherAppStoreID: "6479361047"
    readonly property url otherAppStoreURL: "https://apps.quellmar.com/app/tidewise/id6479361047"
    readonly property string otherAppDisplayName: "Tidewise\nFocus Timer"

    readonly property string navigationTitle: qsTrId("tab.about")

    function isPresent(link) { return link.toString().length > 0 }
    function open(link) {
        if (isPresent(link))
            Qt.openUrlExternally(link)
    }

    // The window background under a diagonal gradient: aqua at 8 % (top leading), clear, navy at
    // 4 % (bottom trailing).
    Rectangle {
        anchors.fill: parent
        color: Theme.windowBackground
        clip: true
        Rectangle {
            readonly property real diagonal: Math.sqrt(parent.width * parent.width + parent.height * parent.height)
            anchors.centerIn: parent
            width: diagonal
            height: diagonal
            rotation: 45
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0.0; color: Theme.withOpacity(BrandPalette.paletteAqua, 0.08) }
                GradientStop { position: 0.5; color: "transparent" }
                GradientStop { position: 1.0; color: Theme.withOpacity(BrandPalette.paletteNavy, 0.04) }
            }
        }
    }

    AccountView {
        anchors.fill: parent
        visible: about.accountShown
        onBackRequested: about.accountShown = false
    }

    Flickable {
        id: scroll
        objectName: "aboutScroll"
        visible: !about.accountShown
        anchors.fill: parent
        // The page scrolls under the tab bar, never over it.
        clip: true
        contentWidth: width
        contentHeight: page.height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ThemedScrollBar {}

        Item {
            id: page
            width: scroll.width
            height: Math.max(scroll.height, column.implicitHeight + 44 + 96)

            ColumnLayout {
                id: column
                y: 44
                width: Math.min(560, parent.width - 36)
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 28

                // Header
                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.leftMargin: 4
                    Layout.rightMargin: 4
                    Layout.bottomMargin: 8
                    spacing: 20

                    AppIconImage {
                        objectName: "aboutAppIcon"
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: 124
                        Layout.preferredHeight: 124
                        size: 124
                    }
                    Text {
                        objectName: "aboutTitle"
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTrId("Stashline %1").arg(AboutLinks.appVersionText)
                        font.pixelSize: Theme.title3Size
                        font.bold: true
                        color: Theme.primary
                        wrapMode: Text.Wrap
                    }
                    Text {
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: Math.min(440, column.width)
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTrId("about.description")
                        font.pixelSize: Theme.bodySize
                        font.weight: Font.Medium
                        color: Theme.secondary
                        lineHeightMode: Text.FixedHeight
                        lineHeight: fontMetrics.height + 3
                        wrapMode: Text.Wrap
                        FontMetrics { id: fontMetrics; font.pixelSize: Theme.bodySize }
                    }
                }

                // Account
                AboutCard {
                    Layout.fillWidth: true
                    AboutRow {
                        objectName: "aboutAccountRow"
                        Layout.fillWidth: true
                        iconName: "person.crop.circle"
                        titleText: AccountManager.state === "signedIn" || AccountManager.state === "environment"
                                   ? qsTrId("account.state.signedIn").arg(AccountManager.userName).arg(AccountManager.serverAddress)
                                   : qsTrId("account.card.signedOut")
                        showsDivider: false
                        onClicked: about.accountShown = true
                    }
                }

                // Your items: export and import
                AboutCard {
                    Layout.fillWidth: true
                    AboutRow {
                        id: exportRow
                        objectName: "aboutExportRow"
                        Layout.fillWidth: true
                        iconName: "square.and.arrow.up.on.square"
                        titleText: qsTrId("about.export")
                        enabled: about.viewModel !== null && !exportChooser.isOpen
                        onClicked: {
                            exportChooser.suggestedName = transfers.suggestedExportName()
                            exportChooser.open(exportRow.Window.window)
                        }
                    }
                    AboutRow {
                        id: importRow
                        objectName: "aboutImportRow"
                        Layout.fillWidth: true
                        iconName: "square.and.arrow.down.on.square"
                        titleText: qsTrId("about.import")
                        showsDivider: transfers.message.length > 0
                        enabled: about.viewModel !== null && !importChooser.isOpen
                        onClicked: importChooser.open(importRow.Window.window)
                    }
                    Text {
                        objectName: "aboutTransferMessage"
                        visible: transfers.message.length > 0
                        Layout.fillWidth: true
                        Layout.leftMargin: 22
                        Layout.rightMargin: 18
                        Layout.topMargin: 4
                        Layout.bottomMargin: 14
                        text: transfers.message
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        font.pixelSize: Theme.footnoteSize
                        color: transfers.isError ? Theme.red : Theme.secondary
                    }
                    ItemTransfers {
                        id: transfers
                        viewModel: about.viewModel
                    }
                    ImageFileChooser {
                        id: exportChooser
                        savesFile: true
                        title: qsTrId("about.export.title")
                        filterName: qsTrId("about.export.filter")
                        patterns: ["*.zip"]
                        onFileChosen: function(url) { transfers.exportTo(url) }
                    }
                    ImageFileChooser {
                        id: importChooser
                        title: qsTrId("about.import.title")
                        filterName: qsTrId("about.import.filter")
                        patterns: ["*.zip", "*.html", "*.htm", "*.txt", "*.md", "*.markdown"]
                        onFileChosen: function(url) { transfers.importFrom(url) }
                    }
                }

                // Contact
                AboutCard {
                    Layout.fillWidth: true
                    AboutRow {
                        objectName: "aboutFeedbackRow"
                        Layout.fillWidth: true
                        iconName: "envelope"
                        titleText: qsTrId("about.feedback")
                        onClicked: about.open(AboutLinks.feedbackMailURL(about.feedbackEmail))
                    }
                    AboutRow {
                        id: shareRow
                        objectName: "aboutShareRow"
                        Layout.fillWidth: true
                        iconName: "square.and.arrow.up"
                        titleText: qsTrId("about.shareApp")
                        hasAction: about.isPresent(about.appStoreURL)
                        onClicked: if (hasAction) shareMenu.popup(shareRow, 60, shareRow.height)
                        ThemedMenu {
                            id: shareMenu
                            ThemedMenuItem {
                                text: qsTrId("about.share.copyLink")
                                iconName: "doc.on.doc"
                                onTriggered: Clipboard.setText(about.appStoreURL.toString())
                            }
                            ThemedMenuItem {
                                text: qsTrId("about.share.email")
                                iconName: "envelope"
                                onTriggered: Qt.openUrlExternally("mailto:?body=" + encodeURIComponent(about.appStoreURL.toString()))
                            }
                        }
                    }
                    AboutRow {
                        objectName: "aboutReviewRow"
                        Layout.fillWidth: true
                        iconName: "star"
                        titleText: qsTrId("about.writeReview")
                        showsDivider: false
                        enabled: about.isPresent(AboutLinks.writeReviewTarget(about.reviewURL, about.appStoreURL))
                        onClicked: about.open(AboutLinks.writeReviewTarget(about.reviewURL, about.appStoreURL))
                    }
                }

                // Documents
                AboutCard {
                    Layout.fillWidth: true
                    AboutRow {
                        objectName: "aboutHelpRow"
                        Layout.fillWidth: true
                        iconName: "questionmark.circle"
                        titleText: qsTrId("about.helpCenter")
                        enabled: AboutLinks.websiteURL("help").toString().length > 0
                        onClicked: about.open(AboutLinks.websiteURL("help"))
                    }
                    AboutRow {
                        objectName: "aboutPrivacyRow"
                        Layout.fillWidth: true
                        iconName: "lock.shield"
                        titleText: qsTrId("about.privacyPolicy")
                        enabled: AboutLinks.websiteURL("privacy-policy").toString().length > 0
                        onClicked: about.open(AboutLinks.websiteURL("privacy-policy"))
                    }
                    AboutRow {
                        objectName: "aboutTermsRow"
                        Layout.fillWidth: true
                        iconName: "checkmark.seal"
                        titleText: qsTrId("about.termsOfUse")
                        showsDivider: false
                        enabled: about.isPresent(about.termsOfUseURL)
                        onClicked: about.open(about.termsOfUseURL)
                    }
                }

                // Other applications
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 16
                    Text {
                        Layout.leftMargin: 20
                        Layout.rightMargin: 20
                        text: qsTrId("about.otherApps")
                        font.pixelSize: Theme.headlineSize
                        font.weight: Font.DemiBold
                        color: Theme.secondary
                    }
                    AboutCard {
                        Layout.fillWidth: true
                        AbstractButton {
                            id: otherAppRow
                            objectName: "aboutOtherAppRow"
                            Layout.fillWidth: true
                            leftPadding: 20
                            rightPadding: 20
                            topPadding: 22
                            bottomPadding: 20
                            Accessible.name: about.otherAppDisplayName.replace("\n", " ")
                            onClicked: about.open(about.otherAppStoreURL)
                            background: Item {
                                Rectangle {
                                    anchors.left: parent.left
                                    anchors.right: parent.right
                                    anchors.bottom: parent.bottom
                                    anchors.leftMargin: 104
                                    anchors.rightMargin: 22
                                    height: 1
                                    color: Theme.withOpacity(Theme.secondary, 0.18)
                                }
                            }
                            contentItem: RowLayout {
                                spacing: 16
                                RemoteAppIconView {
                                    objectName: "otherAppIcon"
                                    appID: about.otherAppStoreID
                                    size: 74
                                }
                                Text {
                                    Layout.fillWidth: true
                                    text: about.otherAppDisplayName
                                    font.pixelSize: Theme.headlineSize
                                    font.weight: Font.DemiBold
                                    color: Theme.primary
                                    maximumLineCount: 2
                                    elide: Text.ElideRight
                                    wrapMode: Text.Wrap
                                }
                                Label {
                                    text: qsTrId("about.view")
                                    font.pixelSize: Theme.subheadlineSize
                                    font.bold: true
                                    color: Theme.tealText
                                    leftPadding: 18
                                    rightPadding: 18
                                    topPadding: 8
                                    bottomPadding: 8
                                    background: Rectangle {
                                        radius: height / 2
                                        color: Theme.withOpacity(BrandPalette.paletteTeal, 0.16)
                                    }
                                }
                            }
                        }
                        AbstractButton {
                            objectName: "aboutViewAllRow"
                            Layout.fillWidth: true
                            leftPadding: 22
                            rightPadding: 22
                            topPadding: 18
                            bottomPadding: 18
                            Accessible.name: qsTrId("about.viewAllApps")
                            onClicked: about.open(about.developerURL)
                            background: Item {}
                            contentItem: Text {
                                text: qsTrId("about.viewAllApps")
                                font.pixelSize: Theme.bodySize
                                font.weight: Font.Medium
                                color: Theme.tealText
                            }
                        }
                    }
                }
            }
        }
    }
}
