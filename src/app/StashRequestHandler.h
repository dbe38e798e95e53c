#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>

class ManagedObjectContext;
class QImage;
class ShareItem;
class ShareListViewModel;

// Carries out the requests of the command line (add, list, copy, open, and the files and links
// a file manager sends) on one store, with the add sheet's rules: the same trimming, the same
// link recognition, the same picture limits and the same refusals.
//
// Two owners use it. The running instance hands it its list model, so an added item appears at
// once and is uploaded; a command line that found no running instance hands it the store's
// main context, so an add writes one new pending item and reads none of the others (the next
// start of the app uploads it).
//
// A request is a JSON object with "command" and its fields; the answer is
// {"exitCode": 0 | 1 | 2, "output": text for standard output, "error": text for standard
// error}, and for copy the item's "uuid". Bad input is refused with exit code 1 and a sentence
// saying why; nothing is written then. Copy and open need a QGuiApplication. Main thread.
class StashRequestHandler
{
public:
    explicit StashRequestHandler(ShareListViewModel &model);
    explicit StashRequestHandler(ManagedObjectContext &context);

    QJsonObject handle(const QJsonObject &request);

    static QJsonObject reply(int exitCode, const QString &output, const QString &error = {});

private:
    QJsonObject add(const QJsonObject &request);
    QJsonObject addTargets(const QJsonObject &request);
    QJsonObject list(const QJsonObject &request);
    QJsonObject copy(const QJsonObject &request);
    QJsonObject copyItem(const ShareItem &item);
    QJsonObject open(const QJsonObject &request);

    // Stores one item; the answer carries its UUID.
    QJsonObject insert(const QString &title, const QString &content, const QImage &picture, bool isFavorite);
    // The list model, loaded now: the running instance's, or one made for this request in `ownModel`.
    ShareListViewModel *loadedModel(std::unique_ptr<ShareListViewModel> &ownModel);
    // The live item an argument names: a UUID, or a number of `stashline list`.
    ShareItem *find(const QString &argument, QString *error);

    ShareListViewModel *m_model = nullptr;
    ManagedObjectContext &m_context;
};
