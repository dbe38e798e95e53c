#include "ShareRowFormatter.h"

#include "store/ShareItem.h"

#include <QCoreApplication>

namespace {

constexpr double oneWeekSeconds = 604800.0;

bool usesTwelveHourClock(const QLocale &locale)
{
    return locale.timeFormat(QLocale::ShortFormat).contains(QLatin1String("ap"), Qt::CaseInsensitive);
}

} // namespace

ShareRowFormatter::ShareRowFormatter(QObject *parent)
    : QObject(parent)
{
}

QString ShareRowFormatter::shownPart(const QString &text)
{
    if (text.size() <= shownLength)
        return text;
    qsizetype end = shownLength;
    if (text.at(end).isLowSurrogate())
        --end; // never half a character
    return text.left(end);
}

QString ShareRowFormatter::titleLine(const QString &title, const QString &content)
{
    if (!title.isEmpty())
        return shownPart(title);
    if (!content.isEmpty())
        return shownPart(content);
    return qtTrId("share.item.untitled");
}

QString ShareRowFormatter::secondaryLine(const QString &contentType, const QString &title, const QString &content,
                                         const QUrl &linkURL)
{
    switch (ShareItem::decodeContentKind(contentType)) {
    case ShareItem::ContentKind::text:
        return content.isEmpty() || content == title ? QString() : shownPart(content);
    case ShareItem::ContentKind::url:
        return linkURL.isValid() ? hostWithoutWww(linkURL) : QString();
    case ShareItem::ContentKind::image:
        return qtTrId("share.row.image.memory");
    }
    return {};
}

QString ShareRowFormatter::hostWithoutWww(const QUrl &url)
{
    QString host = url.host();
    return host.replace(QLatin1String("www."), QString());
}

QString ShareRowFormatter::linkDisplayText(const QUrl &url)
{
    const QString host = url.host();
    if (host.isEmpty())
        return url.toString(QUrl::FullyEncoded);
    const QString path = url.path();
    if (!path.isEmpty() && path != QLatin1String("/"))
        return host + path;
    return host;
}

QString ShareRowFormatter::hostLine(const QUrl &url)
{
    return url.host();
}

double ShareRowFormatter::ageFraction(const QDateTime &createdAt, const QDateTime &now)
{
    const QDateTime created = createdAt.isValid() ? createdAt : now;
    const double age = double(created.msecsTo(now)) / 1000.0;
    if (age < 0)
        return 0.0;
    return qMin(age / oneWeekSeconds, 1.0);
}

double ShareRowFormatter::ageFraction(const QDateTime &createdAt)
{
    return ageFraction(createdAt, QDateTime::currentDateTime());
}

QColor ShareRowFormatter::desaturated(const QColor &color, double saturation)
{
    const QColor hsl = color.toHsl();
    return QColor::fromHslF(hsl.hslHueF(), float(hsl.hslSaturationF() * qBound(0.0, saturation, 1.0)),
                            hsl.lightnessF(), hsl.alphaF());
}

QString ShareRowFormatter::monthDay(const QDate &date, const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Japanese:
    case QLocale::Chinese:
        return locale.toString(date, QStringLiteral("M月d日"));
    case QLocale::Korean:
        return locale.toString(date, QStringLiteral("M월 d일"));
    case QLocale::German:
        return locale.toString(date, QStringLiteral("d. MMM"));
    case QLocale::French:
    case QLocale::Spanish:
        return locale.toString(date, QStringLiteral("d MMM"));
    default:
        return locale.toString(date, QStringLiteral("MMM d"));
    }
}

QString ShareRowFormatter::dateLine(const QDateTime &dueDate, const QDateTime &createdAt, const QLocale &locale)
{
    if (dueDate.isValid())
        return qtTrId("share.row.return.before %1").arg(monthDay(dueDate.toLocalTime().date(), locale));
    const QDateTime saved = createdAt.isValid() ? createdAt : QDateTime::currentDateTime();
    return qtTrId("share.row.saved %1").arg(monthDay(saved.toLocalTime().date(), locale));
}

QString ShareRowFormatter::dateLine(const QDateTime &dueDate, const QDateTime &createdAt)
{
    return dateLine(dueDate, createdAt, QLocale());
}

QString ShareRowFormatter::editDateText(const QDateTime &date, const QLocale &locale)
{
    if (!date.isValid())
        return QStringLiteral("-");
    const QDateTime local = date.toLocalTime();
    const QString time = locale.toString(local.time(), usesTwelveHourClock(locale) ? QStringLiteral("h:mm AP")
                                                                                     : QStringLiteral("H:mm"));
    switch (locale.language()) {
    case QLocale::Japanese:
    case QLocale::Chinese:
        return locale.toString(local.date(), QStringLiteral("yyyy年M月d日 ")) + time;
    case QLocale::Korean:
        return locale.toString(local.date(), QStringLiteral("yyyy년 M월 d일 ")) + time;
    case QLocale::German:
        return locale.toString(local.date(), QStringLiteral("d. MMM yyyy, ")) + time;
    case QLocale::French:
    case QLocale::Spanish:
        return locale.toString(local.date(), QStringLiteral("d MMM yyyy, ")) + time;
    default:
        return locale.toString(local.date(), QStringLiteral("MMM d, yyyy, ")) + time;
    }
}

QString ShareRowFormatter::editDateText(const QDateTime &date)
{
    return editDateText(date, QLocale());
}
