import QtQuick
import Stashline

// What a list shows when its search finds nothing: "No items match “…”" with the query.
Text {
    objectName: "noSearchResults"
    required property ShareSearch searchResults

    visible: searchResults.isActive && searchResults.resultCount === 0
    horizontalAlignment: Text.AlignHCenter
    text: qsTrId("share.search.noResults %1").arg(searchResults.query.trim())
    textFormat: Text.PlainText
    font.pixelSize: Theme.bodySize
    color: Theme.secondary
    wrapMode: Text.Wrap
}
