#include "StashRequest.h"

#include "platform/LinkFinder.h"
#include "platform/Utf8.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace {

using Kind = StashRequest::Kind;
using Scope = StashRequest::Scope;

constexpr std::array kindNames{
    std::pair{Kind::activate, "activate"}, std::pair{Kind::panel, "panel"}, std::pair{Kind::send, "send"},
    std::pair{Kind::add, "add"},           std::pair{Kind::list, "list"},   std::pair{Kind::copy, "copy"},
    std::pair{Kind::open, "open"},         std::pair{Kind::trash, "delete"}, std::pair{Kind::restore, "restore"},
    std::pair{Kind::exportItems, "export"}, std::pair{Kind::importItems, "import"},
    std::pair{Kind::accountStatus, "account-status"},
    std::pair{Kind::accountSignIn, "account-sign-in"},
    std::pair{Kind::accountSignOut, "account-sign-out"},
    std::pair{Kind::accountEncrypt, "account-encrypt"},
    std::pair{Kind::accountUnlock, "account-unlock"},
    std::pair{Kind::accountChangePassphrase, "account-change-passphrase"},
};

constexpr std::array scopeNames{
    std::pair{Scope::all, ""},
    std::pair{Scope::favorites, "favorites"},
    std::pair{Scope::history, "history"},
    std::pair{Scope::trash, "trash"},
};

const QString commandKey = QStringLiteral("command");

// The fields each kind carries besides "command"; any other field is refused.
QStringList fieldsOf(Kind kind)
{
    switch (kind) {
    case Kind::activate:
    case Kind::panel:
        return {};
    case Kind::send:
        return {QStringLiteral("targets"), QStringLiteral("favorite")};
    case Kind::add:
        return {QStringLiteral("title"), QStringLiteral("text"), QStringLiteral("image"), QStringLiteral("clipboard"),
                QStringLiteral("favorite")};
    case Kind::list:
        return {QStringLiteral("scope"), QStringLiteral("json"), QStringLiteral("search")};
    case Kind::copy:
    case Kind::open:
    case Kind::trash:
    case Kind::restore:
        return {QStringLiteral("item")};
    case Kind::accountStatus:
        return {QStringLiteral("json")};
    case Kind::accountSignIn:
        return {QStringLiteral("server"), QStringLiteral("user"), QStringLiteral("database"), QStringLiteral("secret")};
    case Kind::accountSignOut:
        return {};
    case Kind::accountEncrypt:
    case Kind::accountUnlock:
    case Kind::accountChangePassphrase:
        return {QStringLiteral("secret")};
    case Kind::exportItems:
    case Kind::importItems:
        return {QStringLiteral("path")};
    }
    return {};
}

// Reads the fields of one request object, remembering the first that does not fit.
class FieldReader
{
public:
    explicit FieldReader(const QJsonObject &object) : m_object(object) {}

    QString text(const QString &key)
    {
        const QJsonValue value = m_object.value(key);
        if (!value.isUndefined() && !value.isString())
            fail(key);
        return value.toString();
    }
    bool flag(const QString &key)
    {
        const QJsonValue value = m_object.value(key);
        if (!value.isUndefined() && !value.isBool())
            fail(key);
        return value.toBool();
    }
    QStringList texts(const QString &key)
    {
        QStringList list;
        const QJsonValue value = m_object.value(key);
        if (!value.isUndefined() && !value.isArray())
            fail(key);
        for (const QJsonValue &element : value.toArray()) {
            if (!element.isString())
                fail(key);
            list.append(element.toString());
        }
        return list;
    }
    void fail(const QString &key)
    {
        if (m_badField.isNull())
            m_badField = key;
    }
    const QString &badField() const { return m_badField; }

private:
    const QJsonObject &m_object;
    QString m_badField;
};

// Why a well-formed request cannot be carried out as it stands; empty when it can.
QString problemOf(const StashRequest &request)
{
    switch (request.kind) {
    case Kind::add: {
        const int sources = int(!request.text.isEmpty()) + int(!request.imagePath.isEmpty()) + int(request.fromClipboard);
        if (sources > 1)
            return qtTrId("cli.request.oneSource");
        if (!request.imagePath.isEmpty() && !QDir::isAbsolutePath(request.imagePath))
            return qtTrId("cli.request.field %1").arg(QStringLiteral("image"));
        return {};
    }
    case Kind::copy:
    case Kind::open:
    case Kind::trash:
    case Kind::restore:
        return request.item.isEmpty() ? qtTrId("cli.request.field %1").arg(QStringLiteral("item")) : QString();
    case Kind::exportItems:
    case Kind::importItems:
        return QDir::isAbsolutePath(request.path) ? QString() : qtTrId("cli.request.field %1").arg(QStringLiteral("path"));
    case Kind::send:
        for (const QString &target : request.targets) {
            if (target.isEmpty())
                return qtTrId("cli.request.field %1").arg(QStringLiteral("targets"));
        }
        return {};
    case Kind::accountSignIn:
        if (request.server.isEmpty() || request.user.isEmpty())
            return qtTrId("cli.request.field %1").arg(request.server.isEmpty() ? QStringLiteral("server") : QStringLiteral("user"));
        return {};
    case Kind::activate:
    case Kind::panel:
    case Kind::list:
    case Kind::accountStatus:
    case Kind::accountSignOut:
    case Kind::accountEncrypt:
    case Kind::accountUnlock:
    case Kind::accountChangePassphrase:
        return {};
    }
    return {};
}

} // namespace

std::optional<QUrl> StashRequest::linkTarget(const QString &target)
{
    if (QUrl(target).isLocalFile() || QFileInfo::exists(target))
        return std::nullopt;
    return LinkFinder::link(target);
}

QString StashRequest::targetPath(const QString &target)
{
    const QUrl url(target);
    return url.isLocalFile() ? url.toLocalFile() : target;
}

StashRequest StashRequest::ofKind(Kind kind)
{
    StashRequest request;
    request.kind = kind;
    return request;
}

QString StashRequest::commandName(Kind kind)
{
    for (const auto &[each, name] : kindNames) {
        if (each == kind)
            return QLatin1String(name);
    }
    return {};
}

QByteArray StashRequest::toJson() const
{
    QJsonObject object{{commandKey, commandName(kind)}};
    switch (kind) {
    case Kind::activate:
    case Kind::panel:
        break;
    case Kind::send:
        object.insert(QStringLiteral("targets"), QJsonArray::fromStringList(targets));
        object.insert(QStringLiteral("favorite"), isFavorite);
        break;
    case Kind::add:
        object.insert(QStringLiteral("title"), title);
        object.insert(QStringLiteral("text"), text);
        object.insert(QStringLiteral("image"), imagePath);
        object.insert(QStringLiteral("clipboard"), fromClipboard);
        object.insert(QStringLiteral("favorite"), isFavorite);
        break;
    case Kind::list:
        for (const auto &[each, name] : scopeNames) {
            if (each == scope)
                object.insert(QStringLiteral("scope"), QLatin1String(name));
        }
        object.insert(QStringLiteral("json"), asJson);
        object.insert(QStringLiteral("search"), search);
        break;
    case Kind::copy:
    case Kind::open:
    case Kind::trash:
    case Kind::restore:
        object.insert(QStringLiteral("item"), item);
        break;
    case Kind::accountStatus:
        object.insert(QStringLiteral("json"), asJson);
        break;
    case Kind::accountSignIn:
        object.insert(QStringLiteral("server"), server);
        object.insert(QStringLiteral("user"), user);
        object.insert(QStringLiteral("database"), database);
        object.insert(QStringLiteral("secret"), secret);
        break;
    case Kind::accountSignOut:
        break;
    case Kind::accountEncrypt:
    case Kind::accountUnlock:
    case Kind::accountChangePassphrase:
        object.insert(QStringLiteral("secret"), secret);
        break;
    case Kind::exportItems:
    case Kind::importItems:
        object.insert(QStringLiteral("path"), path);
        break;
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

StashRequest::Decoded StashRequest::fromJson(const QByteArray &line)
{
    QJsonParseError parseError{};
    const QJsonDocument document = Utf8::parseJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return {std::nullopt, qtTrId("cli.request.unreadable")};
    const QJsonObject object = document.object();
    const QJsonValue command = object.value(commandKey);
    StashRequest request;
    bool known = false;
    for (const auto &[each, name] : kindNames) {
        if (command.isString() && command.toString() == QLatin1String(name)) {
            request.kind = each;
            known = true;
        }
    }
    if (!known)
        return {std::nullopt, qtTrId("cli.request.unknownCommand %1").arg(command.toVariant().toString())};

    FieldReader fields(object);
    const QStringList allowed = fieldsOf(request.kind);
    for (auto field = object.begin(); field != object.end(); ++field) {
        if (field.key() != commandKey && !allowed.contains(field.key()))
            fields.fail(field.key());
    }
    request.title = fields.text(QStringLiteral("title"));
    request.text = fields.text(QStringLiteral("text"));
    request.imagePath = fields.text(QStringLiteral("image"));
    request.fromClipboard = fields.flag(QStringLiteral("clipboard"));
    request.isFavorite = fields.flag(QStringLiteral("favorite"));
    request.targets = fields.texts(QStringLiteral("targets"));
    request.asJson = fields.flag(QStringLiteral("json"));
    request.search = fields.text(QStringLiteral("search"));
    request.item = fields.text(QStringLiteral("item"));
    request.server = fields.text(QStringLiteral("server"));
    request.user = fields.text(QStringLiteral("user"));
    request.database = fields.text(QStringLiteral("database"));
    request.secret = fields.text(QStringLiteral("secret"));
    request.path = fields.text(QStringLiteral("path"));
    const QString scope = fields.text(QStringLiteral("scope"));
    bool knownScope = false;
    for (const auto &[each, name] : scopeNames) {
        if (scope == QLatin1String(name)) {
            request.scope = each;
            knownScope = true;
        }
    }
    if (!knownScope)
        fields.fail(QStringLiteral("scope"));
    if (!fields.badField().isNull())
        return {std::nullopt, qtTrId("cli.request.field %1").arg(fields.badField())};
    if (const QString problem = problemOf(request); !problem.isEmpty())
        return {std::nullopt, problem};
    return {request, {}};
}

QByteArray StashReply::toJson() const
{
    QJsonObject object{{QStringLiteral("exitCode"), exitCode},
                       {QStringLiteral("output"), output},
                       {QStringLiteral("error"), error}};
    if (!uuid.isEmpty())
        object.insert(QStringLiteral("uuid"), uuid);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<StashReply> StashReply::fromJson(const QByteArray &line)
{
    const QJsonDocument document = Utf8::parseJson(line);
    const QJsonObject object = document.object();
    const QJsonValue exitCode = object.value(QStringLiteral("exitCode"));
    if (!document.isObject() || !exitCode.isDouble())
        return std::nullopt;
    return StashReply{exitCode.toInt(), object.value(QStringLiteral("output")).toString(),
                      object.value(QStringLiteral("error")).toString(), object.value(QStringLiteral("uuid")).toString()};
}
