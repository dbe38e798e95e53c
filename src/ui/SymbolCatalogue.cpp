#include "SymbolCatalogue.h"

#include <QFile>
#include <QRegularExpression>

const SymbolCatalogue &SymbolCatalogue::shared()
{
    static const SymbolCatalogue catalogue;
    return catalogue;
}

SymbolCatalogue::SymbolCatalogue()
{
    QFile table(QStringLiteral(":/symbols/SymbolTable.txt"));
    if (table.open(QIODevice::ReadOnly))
        m_entries = parseTable(QString::fromUtf8(table.readAll()));
}

QHash<QString, QString> SymbolCatalogue::parseTable(const QString &text, QStringList *problems)
{
    static const QRegularExpression linePattern(QStringLiteral("^([a-z0-9.]+)\\s+((?:filled|outline)/[a-z0-9-]+)$"));
    QHash<QString, QString> entries;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch match = linePattern.match(line);
        if (!match.hasMatch()) {
            if (problems)
                problems->append(line);
            continue;
        }
        entries.insert(match.captured(1), QStringLiteral(":/symbols/%1.svg").arg(match.captured(2)));
    }
    return entries;
}

QString SymbolCatalogue::resourcePath(const QString &name) const
{
    return m_entries.value(name);
}

QByteArray SymbolCatalogue::tintedSvg(const QString &name, const QString &color) const
{
    const QString path = resourcePath(name);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    // The set paints with "currentColor", which the SVG renderer does not resolve.
    svg.replace("currentColor", color.toLatin1());
    return svg;
}
