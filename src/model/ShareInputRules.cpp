#include "ShareInputRules.h"

#include "platform/LinkFinder.h"

namespace ShareInputRules {

QString trimmed(const QString &text)
{
    const QString result = text.trimmed();
    return result.isNull() ? QString(QLatin1String("")) : result;
}

QString classifyContent(const QString &trimmedContent, bool hasImage)
{
    const std::optional<QUrl> url = LinkFinder::parseUrl(trimmedContent);
    if (url && !url->scheme().isEmpty())
        return QStringLiteral("url");
    return hasImage ? QStringLiteral("image") : QStringLiteral("text");
}

bool isNothingToAdd(const QString &content, bool hasImage)
{
    return trimmed(content).isEmpty() && !hasImage;
}

bool isNothingToSaveOnEdit(const QString &title, const QString &content, bool hasImage)
{
    return trimmed(content).isEmpty() && !hasImage && trimmed(title).isEmpty();
}

QUuid editImageIdentifier(bool hasImage, bool pickedDuringEdit, const QUuid &originalImageUUID,
                          const std::function<std::optional<QUuid>()> &saveNewImage)
{
    if (!hasImage)
        return {};
    if (!pickedDuringEdit)
        return originalImageUUID;
    const std::optional<QUuid> saved = saveNewImage ? saveNewImage() : std::nullopt;
    return saved.value_or(QUuid());
}

} // namespace ShareInputRules
