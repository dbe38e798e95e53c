#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonDocument>
#include <QString>

#include <optional>

// UTF-8 decoding that keeps every character the text holds. Qt's own decoding (QString::fromUtf8,
// and its JSON parser for each string) takes U+FEFF at the start of a text for a byte order mark
// and drops it, so a title that begins with one would lose it on its way through the store, the
// single-instance socket or the cloud. Any thread.
namespace Utf8 {

// `bytes` as text, a leading U+FEFF kept; invalid sequences become U+FFFD.
QString decode(QByteArrayView bytes);

// QJsonDocument::fromJson, with a U+FEFF at the start of a string kept (a byte order mark in
// front of the whole document is skipped, as JSON allows). Copies the text only when it holds
// one.
QJsonDocument parseJson(const QByteArray &json, QJsonParseError *error = nullptr);

// The text of a file's bytes when they are UTF-8 text (valid, no NUL bytes); none otherwise. A
// leading byte order mark is the file's encoding signature, not part of its text.
std::optional<QString> decodeFileText(const QByteArray &bytes);

} // namespace Utf8
