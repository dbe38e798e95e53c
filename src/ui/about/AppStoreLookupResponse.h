#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// One result of the store lookup service: the address of its 512-point artwork.
struct AppStoreLookupResult
{
    QString artworkURL; // JSON key "artworkUrl512"
};

// The lookup service's JSON answer.
struct AppStoreLookupResponse
{
    QList<AppStoreLookupResult> results; // JSON key "results"

    // Decodes a body. None when the body is not a JSON object, has no "results" array, or any
    // result is not an object with a text "artworkUrl512"; other keys are ignored. Any thread.
    static std::optional<AppStoreLookupResponse> decode(const QByteArray &body);
};
