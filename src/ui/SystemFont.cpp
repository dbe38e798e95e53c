#include "SystemFont.h"

#include <QEvent>
#include <QFontInfo>
#include <QGuiApplication>

SystemFont::SystemFont(QObject *parent)
    : QObject(parent)
{
    qGuiApp->installEventFilter(this);
}

bool SystemFont::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationFontChange)
        emit pixelSizeChanged();
    return QObject::eventFilter(watched, event);
}

qreal SystemFont::pixelSize() const
{
    return QFontInfo(QGuiApplication::font()).pixelSize();
}
