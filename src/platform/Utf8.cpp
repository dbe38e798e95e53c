#include "Utf8.h"

#include <QStringDecoder>

namespace Utf8 {

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QJsonDocument parseJson(const QByteArray &json, QJsonParseError *error)
{
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    const qsizetype documentStart = json.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
    if (json.indexOf(byteOrderMark, documentStart) < 0)
        return QJsonDocument::fromJson(json, error);
    // Outside strings the three bytes are no valid JSON, and inside one they are always the
    // character U+FEFF (UTF-8 never has them inside another character), so the escape that the
    // parser keeps stands for exactly the same text.
    QByteArray escaped = json.mid(documentStart);
    escaped.replace(byteOrderMark, QByteArrayLiteral("\\uFEFF"));
    return QJsonDocument::fromJson(escaped, error);
}

std::optional<QString> decodeFileText(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace Utf8
