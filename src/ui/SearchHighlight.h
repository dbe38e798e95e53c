#pragma once

#include <QColor>
#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// Marks the words a search found in a text a row shows. The result is for a Text item in
// StyledText format: every character of the text is escaped, so the text reads exactly as it
// would as plain text (markup in it stays visible as typed), and only the marks around the
// matches are markup. Exposed to QML as the singleton "SearchHighlight". Any thread.
class SearchHighlight : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit SearchHighlight(QObject *parent = nullptr);

    // `text` escaped, with every occurrence of a term (ignoring case) in bold and `color`.
    // Line breaks are kept. Without terms, the escaped text alone.
    Q_INVOKABLE static QString highlighted(const QString &text, const QStringList &terms, const QColor &color);

    // The part of `text` a row should show so that the first match is in view: the text itself
    // when the match lies within its first `lead` characters (or there is none), else the text
    // from the start of a word shortly before the match, after "…".
    Q_INVOKABLE static QString excerpt(const QString &text, const QStringList &terms, int lead = 60);
};
