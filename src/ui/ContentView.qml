import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Stashline

// The main window's content: three tabs, shares, history and About, in that order, the first
// shown at start. Each tab keeps its own state when another is shown.
Item {
    id: content
    objectName: "contentView"

    required property ShareListViewModel viewModel

    // The links the About tab is given.
    readonly property string feedbackEmail: "support@quellmar.com"
    readonly property url appStoreURL: "https://apps.quellmar.com/app/stashline/id6741862039"
    readonly property url reviewURL: "https://apps.quellmar.com/app/stashline/id6741862039?action=write-review"
    readonly property url developerURL: "https://apps.quellmar.com/developer/quellmar/id1765021183"
    readonly property url termsOfUseURL: "https://apps.quellmar.com/legal/standard-eula/"

    readonly property alias currentIndex: tabs.currentIndex
    readonly property var tabTags: ["stash-line", "history", "about"]

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TabSegments {
            id: tabs
            Layout.fillWidth: true
            tabs: [
                { key: "tab.shares", icon: "list.bullet", tag: content.tabTags[0] },
                { key: "tab.history", icon: "clock.arrow.trianglehead.counterclockwise.rotate.90", tag: content.tabTags[1] },
                { key: "tab.about", icon: "info.circle", tag: content.tabTags[2] }
            ]
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabs.currentIndex

            ShareListView {
                viewModel: content.viewModel
            }
            HistoryView {
                viewModel: content.viewModel
            }
            AboutView {
                id: aboutView
                viewModel: content.viewModel
                feedbackEmail: content.feedbackEmail
                appStoreURL: content.appStoreURL
                reviewURL: content.reviewURL
                developerURL: content.developerURL
                termsOfUseURL: content.termsOfUseURL
            }
        }
    }

    UndoBar {
        id: undoBar
        viewModel: content.viewModel
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        z: 10
    }

    // Undo and redo of this session's deletes, edits and favourite changes. A text field that
    // has the focus keeps these keys for its own typing.
    Shortcut {
        objectName: "undoShortcut"
        sequences: [StandardKey.Undo]
        enabled: content.viewModel.undoStack.canUndo
        onActivated: content.viewModel.undoStack.undo()
    }
    Shortcut {
        objectName: "redoShortcut"
        sequences: ["Ctrl+Shift+Z"]
        enabled: content.viewModel.undoStack.canRedo
        onActivated: content.viewModel.undoStack.redo()
    }

    Connections {
        target: AccountManager
        function onAccountPageRequested() {
            tabs.currentIndex = 2
            aboutView.accountShown = true
        }
    }

    Shortcut {
        sequences: ["Ctrl+1"]
        onActivated: tabs.currentIndex = 0
    }
    Shortcut {
        sequences: ["Ctrl+2"]
        onActivated: tabs.currentIndex = 1
    }
    Shortcut {
        sequences: ["Ctrl+3"]
        onActivated: tabs.currentIndex = 2
    }
}
