import QtQuick
import QtQuick.Controls
import Stashline

// One item as a card body: kind tile, title, secondary line, meta line (kind badge, favourite
// star, date), sync badge, link preview and image. Display only: it reads the item's properties
// (and redraws when they change) and hands retries to its host through retry().
Item {
    id: row
    objectName: "shareRow"

    required property ShareItem share
    // An upload pass is sending items right now (a syncing badge turns its spinner).
    property bool uploadInFlight: false
    // Room the host keeps free at the header's trailing end (for a corner button); the link
    // preview and the picture below still span the full width.
    property real headerTrailingInset: 0
    // The words of a search to mark in the title and the secondary line; none outside a search.
    property var highlightTerms: []
    readonly property bool isHighlighting: highlightTerms.length > 0
    // The badge and the link card take Tab focus (a list gives it to its current card only).
    property bool controlsOnTab: true
    signal retry()

    readonly property string kind: share ? share.contentKindName : "text"
    readonly property url linkURL: share && kind === "url" ? share.linkURL : ""
    readonly property bool hasLink: kind === "url" && linkURL.toString().length > 0
    readonly property string titleText: share ? ShareRowFormatter.titleLine(share.title, share.content) : ""
    readonly property string secondaryText: share ? ShareRowFormatter.secondaryLine(share.contentType, share.title, share.content, linkURL) : ""
    readonly property string dateText: share ? ShareRowFormatter.dateLine(share.dueDate, share.createdAt) : ""
    readonly property real ageFraction: share ? ShareRowFormatter.ageFraction(share.createdAt) : 0
    readonly property real tileSaturation: ShareRowFormatter.fadedSaturation(ageFraction)
    readonly property real tileOpacity: ShareRowFormatter.fadedOpacity(ageFraction)
    readonly property string kindIcon: kind === "url" ? "safari.fill" : kind === "image" ? "photo.fill" : "doc.plaintext.fill"
    readonly property string kindBadgeText: kind === "url" ? qsTrId("share.row.type.link")
                                          : kind === "image" ? qsTrId("share.row.type.image")
                                          : qsTrId("share.row.type.note")
    readonly property var image: ShareImages.load(share ? share.imageUUID : null)

    implicitWidth: 400
    implicitHeight: column.implicitHeight + 32

    Column {
        id: column
        x: 16
        y: 16
        width: row.width - 32
        spacing: 12

        // Header
        Item {
            width: parent.width
            height: Math.max(tile.height, textColumn.implicitHeight, statusIcon.implicitHeight + 2)

            Rectangle {
                id: tile
                objectName: "kindTile"
                width: 34
                height: 34
                radius: 11
                readonly property color tint: ShareRowFormatter.desaturated(Theme.accent, row.tileSaturation)
                opacity: row.tileOpacity
                color: Theme.withOpacity(tint, 0.08)
                border.width: 1
                border.color: Theme.withOpacity(tint, 0.06)
                SymbolIcon {
                    anchors.centerIn: parent
                    name: row.kindIcon
                    size: 16
                    color: tile.tint
                }
            }

            Column {
                id: textColumn
                anchors.left: tile.right
                anchors.leftMargin: 12
                anchors.right: statusIcon.left
                anchors.rightMargin: 12
                spacing: 7

                Text {
                    objectName: "share-row-title"
                    width: parent.width
                    // While searching the matches are marked: the text is escaped, so it still
                    // reads exactly as typed.
                    text: row.isHighlighting ? SearchHighlight.highlighted(row.titleText, row.highlightTerms, Theme.accentText)
                                             : row.titleText
                    textFormat: row.isHighlighting ? Text.StyledText : Text.PlainText
                    font.pixelSize: Theme.rowTitleSize
                    font.weight: Font.DemiBold
                    color: Theme.primary
                    wrapMode: Text.Wrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                }
                Text {
                    objectName: "shareRowSecondary"
                    width: parent.width
                    visible: row.secondaryText.length > 0
                    text: row.isHighlighting ? SearchHighlight.highlighted(SearchHighlight.excerpt(row.secondaryText, row.highlightTerms),
                                                                           row.highlightTerms, Theme.accentText)
                                             : row.secondaryText
                    textFormat: row.isHighlighting ? Text.StyledText : Text.PlainText
                    font.pixelSize: Theme.calloutSize
                    color: Theme.secondary
                    wrapMode: Text.Wrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                }
                Item {
                    id: meta
                    width: parent.width
                    readonly property real lineWidth: kindBadge.width + (star.visible ? 8 + star.width : 0) + 8 + dateLabel.implicitWidth
                    readonly property bool fitsOneLine: lineWidth <= width
                    height: fitsOneLine ? Math.max(kindBadge.height, dateLabel.implicitHeight)
                                        : kindBadge.height + 6 + dateLabel.implicitHeight

                    Label {
                        id: kindBadge
                        text: row.kindBadgeText
                        font.pixelSize: Theme.captionSize
                        color: Theme.secondary
                        leftPadding: 9
                        rightPadding: 9
                        topPadding: 4
                        bottomPadding: 4
                        background: Rectangle {
                            radius: height / 2
                            color: Theme.withOpacity(Theme.primary, 0.04)
                        }
                    }
                    SymbolIcon {
                        id: star
                        objectName: "favoriteStar"
                        visible: row.share ? row.share.isFavorite : false
                        anchors.left: kindBadge.right
                        anchors.leftMargin: 8
                        anchors.verticalCenter: kindBadge.verticalCenter
                        name: "star.fill"
                        size: Theme.captionSize + 2
                        color: Theme.yellow
                    }
                    Text {
                        id: dateLabel
                        objectName: "shareRowDate"
                        x: meta.fitsOneLine ? (star.visible ? star.x + star.width : kindBadge.width) + 8 : 0
                        y: meta.fitsOneLine ? (kindBadge.height - height) / 2 : kindBadge.height + 6
                        width: Math.min(implicitWidth, meta.width - x)
                        text: row.dateText
                        textFormat: Text.PlainText
                        font.pixelSize: Theme.captionSize
                        color: Theme.withOpacity(Theme.secondary, 0.9)
                        elide: Text.ElideRight
                        maximumLineCount: 1
                    }
                }
            }

            SyncStatusIcon {
                id: statusIcon
                y: 2
                anchors.right: parent.right
                anchors.rightMargin: row.headerTrailingInset
                status: row.share ? row.share.syncStatus : 0
                uploadInFlight: row.uploadInFlight
                takesTabFocus: row.controlsOnTab
                onRetry: row.retry()
            }
        }

        // The link preview sits 2 points lower, the image 4.
        Item {
            width: parent.width
            height: preview.height + 2
            visible: row.hasLink
            ShareURLPreview {
                id: preview
                y: 2
                width: parent.width
                url: row.linkURL
                activeFocusOnTab: row.controlsOnTab
            }
        }

        Item {
            width: parent.width
            height: rowImage.height + 4
            visible: rowImage.hasImage
            FillImage {
                id: rowImage
                objectName: "shareRowImage"
                y: 4
                width: parent.width
                height: hasImage ? Math.max(160, Math.min(240, width / Math.max(imageAspectRatio, 0.01))) : 0
                image: row.image
                radius: 16
                Rectangle {
                    anchors.fill: parent
                    radius: 16
                    color: "transparent"
                    border.width: 1
                    border.color: Theme.withOpacity(Theme.primary, 0.08)
                }
            }
        }
    }
}
