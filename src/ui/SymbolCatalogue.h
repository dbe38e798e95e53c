#pragma once

#include <QHash>
#include <QString>

// The icons the screens draw, named by their system icon names ("star.fill", "trash"). Each
// name maps to exactly one SVG file of the installed icon set, compiled into the resources
// under ":/symbols/". The table is read once from ":/symbols/SymbolTable.txt" on first use.
// Thread-safe after the first call (read only).
class SymbolCatalogue
{
public:
    static const SymbolCatalogue &shared();

    // The resource path of the icon for `name` (":/symbols/filled/star.svg"); empty for an
    // unknown name.
    QString resourcePath(const QString &name) const;

    // Every name of the table with its resource path.
    const QHash<QString, QString> &entries() const { return m_entries; }

    // The SVG text of `name` with its colour set to `color` (a "#rrggbb" text); empty for an
    // unknown name or a missing file.
    QByteArray tintedSvg(const QString &name, const QString &color) const;

    // Parses a table text: one "<name> <folder>/<stem>" per line, "#" comments and blank lines
    // skipped. A malformed line is skipped and reported in `problems`.
    static QHash<QString, QString> parseTable(const QString &text, QStringList *problems = nullptr);

private:
    SymbolCatalogue();
    QHash<QString, QString> m_entries;
};
