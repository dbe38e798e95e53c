#include "SearchHighlight.h"

#include <QList>

#include <algorithm>

namespace {

struct Range {
    qsizetype start;
    qsizetype end;
};

// Every match of every term, merged where they touch or overlap, in text order.
QList<Range> matches(const QString &text, const QStringList &terms)
{
    QList<Range> ranges;
    for (const QString &term : terms) {
        if (term.isEmpty())
            continue;
        for (qsizetype at = text.indexOf(term, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(term, at + term.size(), Qt::CaseInsensitive))
            ranges.append({at, at + term.size()});
    }
    std::sort(ranges.begin(), ranges.end(), [](const Range &left, const Range &right) { return left.start < right.start; });
    QList<Range> merged;
    for (const Range &range : std::as_const(ranges)) {
        if (!merged.isEmpty() && range.start <= merged.last().end)
            merged.last().end = std::max(merged.last().end, range.end);
        else
            merged.append(range);
    }
    return merged;
}

// Escaped for StyledText, which would otherwise read markup, collapse runs of spaces and
// ignore line breaks.
QString escaped(const QString &text)
{
    QString result = text.toHtmlEscaped();
    result.replace(QLatin1String("  "), QLatin1String("&nbsp; "));
    result.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return result;
}

} // namespace

SearchHighlight::SearchHighlight(QObject *parent) : QObject(parent) {}

QString SearchHighlight::highlighted(const QString &text, const QStringList &terms, const QColor &color)
{
    const QString open = QStringLiteral("<b><font color=\"%1\">").arg(color.name());
    const QString close = QStringLiteral("</font></b>");
    QString result;
    qsizetype position = 0;
    for (const Range &range : matches(text, terms)) {
        result += escaped(text.mid(position, range.start - position));
        result += open + escaped(text.mid(range.start, range.end - range.start)) + close;
        position = range.end;
    }
    return result + escaped(text.mid(position));
}

QString SearchHighlight::excerpt(const QString &text, const QStringList &terms, int lead)
{
    const QList<Range> found = matches(text, terms);
    if (found.isEmpty() || found.constFirst().start <= lead)
        return text;
    // Keep a little before the match, from the start of a word where words have spaces.
    const qsizetype earliest = std::max<qsizetype>(0, found.constFirst().start - 2 * (lead / 3));
    qsizetype start = found.constFirst().start - lead / 3;
    while (start > earliest && !text.at(start - 1).isSpace())
        --start;
    if (start == earliest && earliest > 0 && !text.at(start - 1).isSpace())
        start = found.constFirst().start - lead / 3;
    if (start <= 0)
        return text;
    return QStringLiteral("…") + text.mid(start);
}
