#pragma once

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The texts and the age fading a share row derives from an item's fields, recomputed on every
// call (nothing cached). Plain values in, plain values out, so a row binds them to the item's
// properties and redraws when one changes. Exposed to QML as the singleton "ShareRowFormatter".
// Any thread for the static functions; the QML singleton lives on the main thread.
class ShareRowFormatter : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ShareRowFormatter(QObject *parent = nullptr);

    // A row shows three lines of a text at most, so it is given no more than its first
    // `shownLength` characters (never half a character): a note of megabytes then costs a row
    // what a short one does, and nothing at all while it is not on screen.
    static constexpr qsizetype shownLength = 1000;
    static QString shownPart(const QString &text);

    // The title if not empty, else the content if not empty, else "share.item.untitled"; of a
    // long text its shownPart(). Blanks count as text: nothing is trimmed.
    Q_INVOKABLE static QString titleLine(const QString &title, const QString &content);

    // By kind ("text", "url", "image"; anything else reads as "text"): a note's content (its
    // shownPart()) when not empty and not equal to the stored title; a link's host without any "www."; an image's
    // "share.row.image.memory". Empty when the row shows no secondary line.
    Q_INVOKABLE static QString secondaryLine(const QString &contentType, const QString &title,
                                             const QString &content, const QUrl &linkURL);

    // The host with every "www." removed; empty when the URL has no host.
    Q_INVOKABLE static QString hostWithoutWww(const QUrl &url);

    // The preview's first line: host followed by the path (unless it is empty or "/"), no
    // scheme, query or fragment; the full address when the URL has no host.
    Q_INVOKABLE static QString linkDisplayText(const QUrl &url);
    // The preview's second line: the host, empty when there is none.
    Q_INVOKABLE static QString hostLine(const QUrl &url);

    // The age fraction t of the fading: 0 for a future or missing-now date, age / one week,
    // capped at 1. A missing creation date counts as `now`.
    static double ageFraction(const QDateTime &createdAt, const QDateTime &now);
    Q_INVOKABLE static double ageFraction(const QDateTime &createdAt);
    // Saturation 1 - 0.3 t and opacity 1 - 0.25 t of the kind icon tile.
    Q_INVOKABLE static double fadedSaturation(double ageFraction) { return 1.0 - 0.3 * ageFraction; }
    Q_INVOKABLE static double fadedOpacity(double ageFraction) { return 1.0 - 0.25 * ageFraction; }
    // `color` with its HSL saturation multiplied by `saturation` (0 to 1).
    Q_INVOKABLE static QColor desaturated(const QColor &color, double saturation);

    // Abbreviated month and day of month in `locale` ("Mar 5", "3月5日"); no year, no time.
    static QString monthDay(const QDate &date, const QLocale &locale);
    // "share.row.return.before %1" with the due date when there is one, else "share.row.saved %1"
    // with the creation date (the current date when it is missing).
    static QString dateLine(const QDateTime &dueDate, const QDateTime &createdAt, const QLocale &locale);
    Q_INVOKABLE static QString dateLine(const QDateTime &dueDate, const QDateTime &createdAt);

    // A date with its time as every screen shows one (the edit page, the account page): year,
    // abbreviated month, day, hour (with AM/PM where the locale uses a 12-hour clock) and
    // minute; "-" for a missing date.
    static QString editDateText(const QDateTime &date, const QLocale &locale);
    Q_INVOKABLE static QString editDateText(const QDateTime &date);
};
