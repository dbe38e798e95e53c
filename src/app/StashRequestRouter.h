#pragma once

#include "StashRequest.h"

#include <functional>
#include <memory>

class AccountCommands;
class QImage;
class ShareItem;
class ShareListViewModel;
class StashlineScenes;
struct ShareInput;

// The one front door: carries out every StashRequest, wherever it comes from. The running app
// routes what later launches and commands hand over its single-instance socket, and the files
// and links of its own launch; a command line that found no running instance routes its command
// on the store itself. Items are added through ShareInput, with the add sheet's rules: the same
// trimming, the same link rule, the same picture limits and the same refusals.
//
// The running app hands over its list model and its scenes, so an added item shows at once and
// is uploaded, and files a file manager sent that could not be added show in the window. The
// command line hands over a list model of its own over the store (never loaded for an add, so
// adding to a store of thousands of items reads none of them) and no scenes: then activate and
// panel do nothing, and an add whose save fails leaves nothing behind (the process ends, so the
// item could not be kept for a later save).
//
// Bad input gets exit code 1 and a sentence saying why; nothing is written then. Copy and open
// first find the item, then need a QGuiApplication. Delete moves an item to the trash and restore
// takes it back, as the screens do (the running app's undo bar offers Undo); export and import
// go through ItemTransfer. The account commands go to AccountCommands. Main thread.
class StashRequestRouter
{
public:
    StashRequestRouter(ShareListViewModel &model, StashlineScenes *scenes);
    ~StashRequestRouter();

    // Every request but the account commands, answered at once.
    StashReply route(const StashRequest &request);
    // Every request; the account commands (AccountCommands, on the process-wide account and
    // encryption managers) answer once their work is done.
    void route(const StashRequest &request, std::function<void(const StashReply &)> answer);

private:
    StashReply add(const StashRequest &request);
    StashReply addFromClipboard(const StashRequest &request);
    StashReply addTargets(const QStringList &targets, bool isFavorite);
    StashReply addFile(const QString &path, bool isFavorite);
    // Writes one item through ShareInput; the answer carries its UUID.
    StashReply insert(const ShareInput &input);
    StashReply list(const StashRequest &request);
    StashReply copy(const ShareItem &item);
    StashReply open(const ShareItem &item);
    // delete (to the trash) and restore (from it).
    StashReply moveItem(const StashRequest &request);
    // The live item an argument names: a UUID, or a number of `stashline list`; with `inTrash`,
    // an item in the trash, by UUID or number of `stashline list --trash`.
    ShareItem *find(const QString &argument, QString *error, bool inTrash = false);

    ShareListViewModel &m_model;
    StashlineScenes *m_scenes;
    std::unique_ptr<AccountCommands> m_accountCommands; // made on first use
};
