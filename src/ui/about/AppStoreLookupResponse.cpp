#include "AppStoreLookupResponse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

std::optional<AppStoreLookupResponse> AppStoreLookupResponse::decode(const QByteArray &body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue results = document.object().value(QLatin1String("results"));
    if (!results.isArray())
        return std::nullopt;
    AppStoreLookupResponse response;
    const QJsonArray array = results.toArray();
    for (const QJsonValue &entry : array) {
        const QJsonValue artwork = entry.toObject().value(QLatin1String("artworkUrl512"));
        if (!entry.isObject() || !artwork.isString())
            return std::nullopt;
        response.results.append({artwork.toString()});
    }
    return response;
}
