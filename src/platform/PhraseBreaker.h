#pragma once

#include <QHash>
#include <QString>

#include <optional>

// Keeps the phrases of a Japanese text together when a line wraps. Line breaking by Unicode's
// rules may break between any two Japanese characters ("取り消せませ" / "ん。"); a Japanese reader
// expects a line to end only between phrases. A phrase model (weights of the characters, pairs
// and triples around each position) says where a phrase ends; between the characters of one
// phrase the text gets a WORD JOINER (U+2060), which draws nothing and forbids a break there.
// Korean texts are kept together by word: a break falls only at a space. Value type; a loaded
// model is only read, so any thread may use it.
class PhraseBreaker
{
public:
    // The model: JSON (or a JavaScript module that holds one object of JSON) mapping each
    // feature ("UW1" to "UW6", "BW1" to "BW3", "TW1" to "TW4") to weights by text. None when
    // the data holds no such object.
    static std::optional<PhraseBreaker> fromModel(const QByteArray &data);
    // The Japanese model built into the program; none when it is missing.
    static const PhraseBreaker *japanese();

    // The positions (UTF-16 offsets, ascending) where a phrase of `text` ends.
    QList<qsizetype> phraseEnds(const QString &text) const;
    // `text` with a WORD JOINER between two Japanese characters of one phrase.
    QString keepingPhrasesTogether(const QString &text) const;
    // `text` with a WORD JOINER between two adjacent Hangul syllables.
    static QString keepingWordsTogether(const QString &text);

    static constexpr QChar wordJoiner = QChar(0x2060);

private:
    enum Feature { UW1, UW2, UW3, UW4, UW5, UW6, BW1, BW2, BW3, TW1, TW2, TW3, TW4, featureCount };
    QHash<QString, int> m_weights[featureCount];
    double m_baseScore = 0;
};
