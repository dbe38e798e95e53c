#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <functional>

class ManagedObject;

// A condition over one entity, evaluated by the store (as SQL) and over unsaved objects in
// memory; both forms must agree. Built by the entity's own code, which knows its columns.
struct Predicate {
    QString sql;                 // a WHERE clause over the entity's columns, "?" for arguments
    QVariantList arguments;      // qint64, bool, QString or QByteArray values, in order
    std::function<bool(const ManagedObject &)> matches;
    QString format;              // the predicate as text, for logs and tests
};

// What to fetch: the entity, an optional predicate, the newest-first order by the entity's
// creation date, and an optional limit (0 = none).
struct FetchRequest {
    QString entityName;
    std::optional<Predicate> predicate;
    bool sortByCreatedAtDescending = true;
    int fetchLimit = 0;
};
