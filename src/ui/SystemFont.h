#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The desktop's font size, which the screens' text sizes scale with. Follows changes of the
// application font while the app runs. Exposed to QML as the singleton "SystemFont". Main thread.
class SystemFont : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(qreal pixelSize READ pixelSize NOTIFY pixelSizeChanged)

public:
    explicit SystemFont(QObject *parent = nullptr);

    // The application font's size in pixels, as it is drawn on this display.
    qreal pixelSize() const;

signals:
    void pixelSizeChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
