#include "LinkOpener.h"

#include <QDesktopServices>

LinkOpener::LinkOpener(QObject *parent)
    : QObject(parent)
{
}

bool LinkOpener::isOpenable(const QUrl &url)
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    return scheme == QLatin1String("mailto");
}

bool LinkOpener::open(const QUrl &url)
{
    if (!isOpenable(url))
        return false;
    return QDesktopServices::openUrl(url);
}

QString LinkOpener::refusalText(const QUrl &url)
{
    if (isOpenable(url))
        return {};
    const QString scheme = url.scheme();
    if (scheme.isEmpty())
        return qtTrId("share.row.link.malformed");
    return qtTrId("share.row.link.notOpened %1").arg(scheme + QLatin1Char(':'));
}
