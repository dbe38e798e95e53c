#pragma once

#include <QImage>
#include <QQuickPaintedItem>

// A QR code of `text` (libqrencode, error correction M), drawn dark on light with the quiet zone
// the standard asks for, scaled to the item's size in whole pixels per module so a phone's camera
// reads it off any screen. Empty text, or text too long for a QR code, draws nothing. Main thread.
class QrCodeImage : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(int modules READ modules NOTIFY textChanged)
public:
    explicit QrCodeImage(QQuickItem *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // Modules a side, quiet zone included; 0 when nothing is drawn.
    int modules() const { return m_code.isNull() ? 0 : m_code.width(); }

    // One pixel a module (black on white), quiet zone included; null for empty or too long text.
    static QImage encode(const QString &text);

    void paint(QPainter *painter) override;

signals:
    void textChanged();

private:
    QString m_text;
    QImage m_code;
};
