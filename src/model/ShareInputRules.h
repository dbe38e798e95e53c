#pragma once

#include <QString>
#include <QUuid>

#include <functional>
#include <optional>

// The input rules shared by the add sheet and the edit page, applied before they call the list
// model. Plain functions of their arguments; any thread.
namespace ShareInputRules {

// `text` without white space and line breaks at both ends; what is stored for title and content.
// Never absent, even for absent input: an item whose content is absent reads as a legacy item on
// the next load, which would rewrite an image-only item as a note.
QString trimmed(const QString &text);

// The content type for trimmed content: "url" when it parses as a URL that has a scheme,
// else "image" when an image is attached, else "text". A link with an image attached is "url".
QString classifyContent(const QString &trimmedContent, bool hasImage);

// True when the add sheet has nothing to save: empty trimmed content and no image, whatever
// the title.
bool isNothingToAdd(const QString &content, bool hasImage);

// True when the edit page has nothing to save: empty trimmed content, no image and an empty
// trimmed title. A title alone is enough to save.
bool isNothingToSaveOnEdit(const QString &title, const QString &content, bool hasImage);

// The image identifier an edit stores: none without an attached image; for an image picked
// during this edit the identifier `saveNewImage` returns (none when saving failed); for the
// image the item had when the edit began, `originalImageUUID`. `saveNewImage` runs only in
// the second case.
QUuid editImageIdentifier(bool hasImage, bool pickedDuringEdit, const QUuid &originalImageUUID,
                          const std::function<std::optional<QUuid>()> &saveNewImage);

} // namespace ShareInputRules
