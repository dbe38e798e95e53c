#include "PhraseBreaker.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// A character that lines may break beside in Japanese text: kana, kanji, the iteration and
// prolonged-sound marks, and the full-width forms.
bool isJapanese(QChar character)
{
    const char16_t code = character.unicode();
    return (code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF)
        || (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFF00 && code <= 0xFFEF);
}

bool isHangul(QChar character)
{
    const char16_t code = character.unicode();
    return (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0x1100 && code <= 0x11FF) || (code >= 0x3130 && code <= 0x318F);
}

} // namespace

std::optional<PhraseBreaker> PhraseBreaker::fromModel(const QByteArray &data)
{
    const qsizetype first = data.indexOf('{');
    const qsizetype last = data.lastIndexOf('}');
    if (first < 0 || last < first)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(data.mid(first, last - first + 1));
    if (!document.isObject())
        return std::nullopt;
    static const char *const names[featureCount] = {"UW1", "UW2", "UW3", "UW4", "UW5", "UW6", "BW1",
                                                    "BW2", "BW3", "TW1", "TW2", "TW3", "TW4"};
    PhraseBreaker breaker;
    double total = 0;
    const QJsonObject model = document.object();
    for (int feature = 0; feature < featureCount; ++feature) {
        const QJsonObject weights = model.value(QLatin1String(names[feature])).toObject();
        for (auto weight = weights.begin(); weight != weights.end(); ++weight) {
            breaker.m_weights[feature].insert(weight.key(), weight.value().toInt());
            total += weight.value().toInt();
        }
    }
    if (total == 0)
        return std::nullopt;
    breaker.m_baseScore = -0.5 * total;
    return breaker;
}

const PhraseBreaker *PhraseBreaker::japanese()
{
    static const std::optional<PhraseBreaker> model = [] {
        QFile file(QStringLiteral(":/phrases/ja.js"));
        return file.open(QIODevice::ReadOnly) ? fromModel(file.readAll()) : std::nullopt;
    }();
    return model ? &*model : nullptr;
}

QList<qsizetype> PhraseBreaker::phraseEnds(const QString &text) const
{
    QList<qsizetype> ends;
    const qsizetype size = text.size();
    // The weight of the `length` characters from `start`; nothing where they leave the text.
    const auto weight = [&](Feature feature, qsizetype start, qsizetype length) {
        if (start < 0 || start + length > size)
            return 0;
        return m_weights[feature].value(text.mid(start, length), 0);
    };
    for (qsizetype index = 1; index < size; ++index) {
        double score = m_baseScore;
        score += weight(UW1, index - 3, 1) + weight(UW2, index - 2, 1) + weight(UW3, index - 1, 1)
               + weight(UW4, index, 1) + weight(UW5, index + 1, 1) + weight(UW6, index + 2, 1);
        score += weight(BW1, index - 2, 2) + weight(BW2, index - 1, 2) + weight(BW3, index, 2);
        score += weight(TW1, index - 3, 3) + weight(TW2, index - 2, 3) + weight(TW3, index - 1, 3) + weight(TW4, index, 3);
        if (score > 0)
            ends.append(index);
    }
    return ends;
}

QString PhraseBreaker::keepingPhrasesTogether(const QString &text) const
{
    if (std::none_of(text.begin(), text.end(), isJapanese))
        return text;
    const QList<qsizetype> ends = phraseEnds(text);
    QString kept;
    kept.reserve(text.size() * 2);
    qsizetype nextEnd = 0;
    for (qsizetype index = 0; index < text.size(); ++index) {
        while (nextEnd < ends.size() && ends.at(nextEnd) < index)
            ++nextEnd;
        const bool phraseEndsHere = nextEnd < ends.size() && ends.at(nextEnd) == index;
        if (index > 0 && !phraseEndsHere && isJapanese(text.at(index - 1)) && isJapanese(text.at(index)))
            kept.append(wordJoiner);
        kept.append(text.at(index));
    }
    return kept;
}

QString PhraseBreaker::keepingWordsTogether(const QString &text)
{
    QString kept;
    kept.reserve(text.size() * 2);
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (index > 0 && isHangul(text.at(index - 1)) && isHangul(text.at(index)))
            kept.append(wordJoiner);
        kept.append(text.at(index));
    }
    return kept;
}
