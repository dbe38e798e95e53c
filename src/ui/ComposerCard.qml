import QtQuick
import QtQuick.Controls
import Stashline

// The form of the add sheet and the edit page: favourite star, title field, content editor with
// its placeholder, and the image area (preview with a remove button, and the picker). It edits
// the draft its host passes and owns no state. Pasting a picture into the content editor, or
// dropping image files on the card, attaches it like a pick.
Rectangle {
    id: card
    objectName: "composerCard"

    required property ComposerDraft draft
    readonly property alias titleField: titleField
    readonly property alias contentEditor: contentEditor

    readonly property alias imageChooser: imagePicker
    function pickImage() { imagePicker.open(card.Window.window) }

    implicitHeight: column.implicitHeight + 36
    radius: 22
    color: Theme.controlBackground
    border.width: dropArea.containsDrag ? 2 : 1
    border.color: dropArea.containsDrag ? Theme.accent : Theme.withOpacity(Theme.primary, 0.08)

    Rectangle {
        // Shadow: black at 4 %, 3 points down.
        z: -1
        anchors.fill: parent
        anchors.topMargin: 3
        anchors.bottomMargin: -3
        radius: 22
        color: Qt.rgba(0, 0, 0, 0.04)
    }

    DropArea {
        id: dropArea
        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: function(drop) {
            if (drop.hasUrls && card.draft.dropImageFiles(drop.urls))
                drop.accept(Qt.CopyAction)
        }
    }

    // The desktop's file chooser; a file that cannot be decoded leaves the attachment as it was.
    ImageFileChooser {
        id: imagePicker
        objectName: "imagePicker"
        title: qsTrId("share.list.add.image")
        filterName: qsTrId("share.composer.imageFilter")
        onFileChosen: function(url) { card.draft.pickImageFile(url) }
    }

    Column {
        id: column
        x: 18
        y: 18
        width: card.width - 36
        spacing: 16

        // Favourite
        Item {
            width: parent.width
            height: 34
            AbstractButton {
                id: favoriteButton
                objectName: "favoriteToggle"
                anchors.right: parent.right
                width: 34
                height: 34
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.CheckBox
                Accessible.checkable: true
                Accessible.checked: card.draft.isFavorite
                Accessible.name: qsTrId("share.composer.favorite.accessibility")
                onClicked: card.draft.isFavorite = !card.draft.isFavorite
                background: Rectangle {
                    radius: 17
                    color: Theme.withOpacity(Theme.primary, 0.05)
                    border.width: favoriteButton.activeFocus ? 1 : 0
                    border.color: Theme.accent
                }
                contentItem: Item {
                    SymbolIcon {
                        anchors.centerIn: parent
                        name: card.draft.isFavorite ? "star.fill" : "star"
                        size: 16
                        color: card.draft.isFavorite ? Theme.yellow : Theme.secondary
                    }
                }
            }
        }

        // Title
        Column {
            width: parent.width
            spacing: 8
            Text {
                text: qsTrId("share.composer.title.label")
                font.pixelSize: Theme.captionSize + 1
                color: Theme.secondary
            }
            TextField {
                id: titleField
                objectName: "titleField"
                width: parent.width
                text: card.draft.title
                // Only the user's edits go back to the draft, never the binding's own updates.
                onTextEdited: card.draft.title = text
                placeholderText: qsTrId("share.extension.title.placeholder")
                placeholderTextColor: Theme.placeholder
                selectionColor: Theme.accentFill
                selectedTextColor: Theme.accentForeground
                Accessible.name: qsTrId("share.composer.title.label")
                font.pixelSize: Theme.title3Size
                font.weight: Font.DemiBold
                color: Theme.primary
                padding: 14
                background: Rectangle {
                    radius: 14
                    color: Theme.fieldBackground
                    border.width: titleField.activeFocus ? 1 : 0
                    border.color: Theme.withOpacity(Theme.accent, 0.6)
                }
            }
        }

        // Content
        Column {
            width: parent.width
            spacing: 8
            Text {
                text: qsTrId("share.composer.content.label")
                font.pixelSize: Theme.captionSize + 1
                color: Theme.secondary
            }
            Rectangle {
                width: parent.width
                height: Math.max(180, contentEditor.implicitHeight + 16)
                radius: 16
                color: Theme.fieldBackground
                border.width: contentEditor.activeFocus ? 1 : 0
                border.color: Theme.withOpacity(Theme.accent, 0.6)
                TextArea {
                    id: contentEditor
                    objectName: "contentEditor"
                    x: 8
                    y: 8
                    width: parent.width - 16
                    height: parent.height - 16
                    text: card.draft.content
                    onTextChanged: if (activeFocus && text !== card.draft.content) card.draft.content = text
                    textFormat: TextEdit.PlainText
                    wrapMode: TextEdit.Wrap
                    font.pixelSize: Theme.editorSize
                    color: Theme.primary
                    selectionColor: Theme.accentFill
                    selectedTextColor: Theme.accentForeground
                    background: null
                    padding: 6
                    Accessible.name: qsTrId("share.composer.content.label")
                    // A picture on the clipboard is attached; text is pasted as usual.
                    Keys.onPressed: function(event) {
                        if (event.matches(StandardKey.Paste) && card.draft.pasteImageFromClipboard())
                            event.accepted = true
                    }
                }
                Text {
                    objectName: "contentPlaceholder"
                    visible: card.draft.content.length === 0
                    x: 14
                    y: 14
                    width: parent.width - 28
                    text: qsTrId("share.list.quickAdd.placeholder")
                    font.pixelSize: Theme.editorSize
                    color: Theme.placeholder
                    wrapMode: Text.Wrap
                }
            }
        }

        // Image
        Column {
            width: parent.width
            spacing: 10
            Text {
                text: qsTrId("share.composer.image.label")
                font.pixelSize: Theme.captionSize + 1
                color: Theme.secondary
            }
            FillImage {
                id: preview
                objectName: "composerImagePreview"
                visible: card.draft.hasImage
                width: parent.width
                height: visible ? Math.min(220, width / Math.max(imageAspectRatio, 0.01)) : 0
                image: card.draft.selectedImage
                radius: 18
                AbstractButton {
                    objectName: "removeImageButton"
                    anchors.top: parent.top
                    anchors.right: parent.right
                    anchors.margins: 10
                    width: 22
                    height: 22
                    focusPolicy: Qt.StrongFocus
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTrId("share.composer.removeImage.accessibility")
                    onClicked: card.draft.removeImage()
                    background: Rectangle { radius: 11; color: "white" }
                    contentItem: Item {
                        SymbolIcon {
                            anchors.centerIn: parent
                            name: "xmark.circle.fill"
                            size: 18
                            color: "#8a8a8e"
                        }
                    }
                }
            }
            Text {
                objectName: "imageProblemText"
                width: parent.width
                visible: card.draft.imageProblem.length > 0
                text: card.draft.imageProblem
                textFormat: Text.PlainText
                font.pixelSize: Theme.captionSize + 1
                color: Theme.red
                wrapMode: Text.Wrap
                Accessible.role: Accessible.AlertMessage
                Accessible.name: text
            }
            AbstractButton {
                id: pickButton
                objectName: "pickImageButton"
                leftPadding: 14
                rightPadding: 14
                topPadding: 12
                bottomPadding: 12
                hoverEnabled: true
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.Button
                Accessible.name: qsTrId("share.list.add.image")
                enabled: !imagePicker.isOpen
                onClicked: card.pickImage()
                background: Rectangle {
                    radius: height / 2
                    color: Theme.withOpacity(Theme.accent, pickButton.hovered ? 0.16 : 0.1)
                    border.width: pickButton.activeFocus ? 1 : 0
                    border.color: Theme.accent
                }
                contentItem: Row {
                    spacing: 8
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "photo"
                        size: Theme.subheadlineSize + 5
                        color: Theme.accent
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: qsTrId("share.list.add.image")
                        font.pixelSize: Theme.subheadlineSize + 1
                        font.weight: Font.Medium
                        color: Theme.accentText
                    }
                }
            }
        }
    }
}
