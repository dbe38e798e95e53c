<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="cli.help">
        <source>Usage: stashline [FILE|URL]...
   or: stashline add [--title TITLE] [--favorite] TEXT|-|--image FILE|--clipboard
   or: stashline list [--json] [--favorites|--history|--trash] [--search QUERY]
   or: stashline copy ITEM
   or: stashline open ITEM
   or: stashline delete|restore ITEM
   or: stashline export|import FILE
   or: stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
Keep notes, links and pictures to carry to your other devices.

With no arguments, starts Stashline or brings its window to the front. Each FILE or
URL becomes one item: a picture file a picture and a text file a note, each titled
with the file's name, a URL a link. A file that is missing or cannot be added is
reported on its own line; the others are added.

Commands:
  add TEXT...            add a note, or a link when TEXT is a URL with a scheme
  add -                  add the text read from standard input
    -t, --title TITLE    give the item a title (a picture gets its file's name)
    -f, --favorite       mark the item as a favourite
    -i, --image FILE     add the picture in FILE (JPEG, PNG, WebP, GIF, ...)
    -c, --clipboard      add what the clipboard holds: a picture, a link or text
  list                   list the items as the window groups them, numbered
    --json               as a JSON array (uuid, title, content, kind, favorite,
                         created, syncStatus, group, section)
    --favorites          only the older favourites
    --history            only the history
    --trash              only Recently Deleted, numbered on its own
    --search QUERY       only the items that match QUERY, the best match first in
                         each section: words, "phrases", -word, is:fav, is:note,
                         is:link, is:picture, site:HOST, before:YYYY-MM-DD, after:...
  copy ITEM              put an item's link, text or picture on the clipboard
  open ITEM              open an item's link in your browser or mail program
  delete ITEM            move an item to Recently Deleted (kept 30 days)
  restore ITEM           bring an item back from Recently Deleted; ITEM is its
                         UUID or its number in 'stashline list --trash'
  export FILE            write every item, Recently Deleted included, with its
                         pictures to one archive (.zip)
  import FILE            read an export archive, a browser's bookmarks file
                         (.html) or a text or Markdown note (.txt, .md); items
                         already here are matched and never doubled
  account status         show the server, the user, the database, whether it is
    --json               encrypted and whether this computer holds its key
  account sign-in URL --user NAME [--database DB]
                         sign in; the password is read from standard input
  account sign-out       sign out; the items stay on this computer
  account encrypt        encrypt the account with a passphrase (standard input)
  account unlock         give this computer the key with the passphrase (standard input)
  account change-passphrase
                         keep the same key under a new passphrase (standard input)
ITEM is an item's UUID or its number in 'stashline list'.

Options:
      --panel            open the tray panel (bind it to a keyboard shortcut)
  -h, --help             show this help and exit
      --version          show the version and exit

While Stashline runs, it carries out the command, so a new item shows at once and
is uploaded. Otherwise the command works on the store directly and the next start
of Stashline uploads what it added. STASHLINE_GROUP_DIR chooses another store.
On a terminal, control characters in titles are shown escaped (\x1B, \u202E).

Exit status: 0 done, 1 failed (the reason is on standard error), 2 bad usage.
list --search ends with 1 when no item matches.
</source>
        <translation>Usage: stashline [FILE|URL]...
   or: stashline add [--title TITLE] [--favorite] TEXT|-|--image FILE|--clipboard
   or: stashline list [--json] [--favorites|--history|--trash] [--search QUERY]
   or: stashline copy ITEM
   or: stashline open ITEM
   or: stashline delete|restore ITEM
   or: stashline export|import FILE
   or: stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
Keep notes, links and pictures to carry to your other devices.

With no arguments, starts Stashline or brings its window to the front. Each FILE or
URL becomes one item: a picture file a picture and a text file a note, each titled
with the file's name, a URL a link. A file that is missing or cannot be added is
reported on its own line; the others are added.

Commands:
  add TEXT...            add a note, or a link when TEXT is a URL with a scheme
  add -                  add the text read from standard input
    -t, --title TITLE    give the item a title (a picture gets its file's name)
    -f, --favorite       mark the item as a favourite
    -i, --image FILE     add the picture in FILE (JPEG, PNG, WebP, GIF, ...)
    -c, --clipboard      add what the clipboard holds: a picture, a link or text
  list                   list the items as the window groups them, numbered
    --json               as a JSON array (uuid, title, content, kind, favorite,
                         created, syncStatus, group, section)
    --favorites          only the older favourites
    --history            only the history
    --trash              only Recently Deleted, numbered on its own
    --search QUERY       only the items that match QUERY, the best match first in
                         each section: words, "phrases", -word, is:fav, is:note,
                         is:link, is:picture, site:HOST, before:YYYY-MM-DD, after:...
  copy ITEM              put an item's link, text or picture on the clipboard
  open ITEM              open an item's link in your browser or mail program
  delete ITEM            move an item to Recently Deleted (kept 30 days)
  restore ITEM           bring an item back from Recently Deleted; ITEM is its
                         UUID or its number in 'stashline list --trash'
  export FILE            write every item, Recently Deleted included, with its
                         pictures to one archive (.zip)
  import FILE            read an export archive, a browser's bookmarks file
                         (.html) or a text or Markdown note (.txt, .md); items
                         already here are matched and never doubled
  account status         show the server, the user, the database, whether it is
    --json               encrypted and whether this computer holds its key
  account sign-in URL --user NAME [--database DB]
                         sign in; the password is read from standard input
  account sign-out       sign out; the items stay on this computer
  account encrypt        encrypt the account with a passphrase (standard input)
  account unlock         give this computer the key with the passphrase (standard input)
  account change-passphrase
                         keep the same key under a new passphrase (standard input)
ITEM is an item's UUID or its number in 'stashline list'.

Options:
      --panel            open the tray panel (bind it to a keyboard shortcut)
  -h, --help             show this help and exit
      --version          show the version and exit

While Stashline runs, it carries out the command, so a new item shows at once and
is uploaded. Otherwise the command works on the store directly and the next start
of Stashline uploads what it added. STASHLINE_GROUP_DIR chooses another store.
On a terminal, control characters in titles are shown escaped (\x1B, \u202E).

Exit status: 0 done, 1 failed (the reason is on standard error), 2 bad usage.
list --search ends with 1 when no item matches.
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>Try 'stashline --help' for more information.</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add needs a TEXT, '-', --image FILE or --clipboard</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add takes one of TEXT, '-', --image FILE or --clipboard</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add takes --title and --image once</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list takes no arguments</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list takes one of --favorites, --history and --trash</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1 takes one item: its UUID or its number in 'stashline list'</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>an argument is not valid UTF-8 text</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>unknown option '%1'</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>'%1' is no command, file or URL</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>The request is not one JSON object on one line.</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>Unknown request “%1”.</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>The request's field “%1” is unknown, missing or of the wrong type.</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>An add request takes one of text, image or clipboard.</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>The request is too large.</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline is still starting; try again.</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline is already running; its window was brought to the front.</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline is running but did not answer.</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>The store in %1 cannot be locked for writing.</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>The store is busy; try again.</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>Standard input cannot be read.</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>Standard input is not UTF-8 text; nothing was added.</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>The clipboard holds nothing to add.</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline keeps the item but could not save it yet: %1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>The item could not be saved: %1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>There is no such file.</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>There is no item %1: `stashline list` numbers the items from 1 to %2.</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>There is no item %1: the list is empty.</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>“%1” is neither an item number nor a UUID.</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>There is no item %1.</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>Copied the link %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>Copied the picture</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>Copied the text</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>The picture of this item is not on this computer yet.</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>The item holds nothing to copy.</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>The item has no link.</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>No program opened %1.</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>Opened %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>Nothing to add: the text is empty.</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>Nothing to save: the title, the text and the picture are empty.</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>The picture could not be saved in %1.</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>Favorites</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message id="cloud.error.notAuthenticated">
        <source>You are not signed in to a cloud account.</source>
        <translation>You are not signed in to a cloud account.</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>Some records could not be saved or read (%1).</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>The picture of record %1 could not be stored: %2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>The picture of record %1 could not be read: %2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>The server sent a record without a name.</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>The cloud server at %1 sent an answer that cannot be read.</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>The cloud server at %1 did not answer within %2 seconds.</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>The cloud server at %1 cannot be reached.</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>The secure connection to %1 failed: the server's certificate was not accepted.</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>The connection to the cloud server at %1 failed.</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>The cloud server at %1 did not accept the account's user name or password.</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>The cloud account may not use the database at %1.</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>The cloud database at %1 does not exist.</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>The record was changed on the server in the meantime.</translation>
    </message>
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>The request was too large for the cloud server.</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>The cloud server is receiving too many requests. Try again later.</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>The cloud database is full.</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>The cloud server at %1 has a problem (error %2). Try again later.</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>The cloud server at %1 sent the request elsewhere; only the configured database is used.</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>The cloud server at %1 rejected the request (error %2).</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>Record %1 was changed on the server in the meantime.</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>Record %1 does not exist.</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>The server refused to store record %1.</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>The cloud account may not write record %1.</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>Record %1 is too large for the cloud server.</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>The server rejected record %1.</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>The cloud account address is not a valid http or https address.</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>The cloud account address names no database (for example https://host/mydb).</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>The cloud account address must not have a query or fragment.</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up yet.</source>
        <translation>No cloud account is set up yet.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>The cloud account settings cannot be read.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>The cloud account settings can be read by other users of this computer, so they are not used.</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>The cloud account settings are not valid.</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>Stash</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>History</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>Recent</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>Notes, links and images to take along to your other devices.</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>Syncing with the cloud…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>Couldn't download from the cloud</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>Try Again</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>New Item</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>Download from the cloud</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>Favorite</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>Unfavorite</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>Delete this item?</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>It will be removed from all your devices. This can't be undone.</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>History</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>Items older than a few days, by the day they were saved.</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>No history yet</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>Saved image</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>Return before %1</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>Syncing</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>Synced</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>Not synced</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>Optional title</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>Type a note or paste a link</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>Choose Image</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>Mark as favorite</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>Remove image</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>Drop an image here</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>Edit Item</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>Change the title, the content, the image or the favorite mark.</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>Last synced</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline keeps a short list of notes, links and images in step on all your devices.</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>Send Feedback</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - Support</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>Share Stashline</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>Copy Link</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>Send by E-mail</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>Write a Review</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>Help Center</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>Privacy Policy</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>Terms of Use</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>More Apps</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>View</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>View All Apps</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>Open Stashline</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>Quit Stashline</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>Not opened: this is not a complete web or email address.</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>Could not save your changes</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>Try Again</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline cannot continue</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>Stashline has to stop because of the problem below. Nothing was changed in your items.</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>This file could not be read as a picture.</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>Sign in to sync your items</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>Not signed in. Sign in to your own server to keep your items on every device.</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>Signed in as %1 on %2</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>Database: %1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>Last download: %1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>Last upload: %1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>not yet</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>Sign in to your server</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>Sign in to another account</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>Sign Out</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>Your items stay on this computer and go to the next account you sign in to.</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>Connecting…</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>Use a Local Server on This Computer</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>Keep the Password in the Account File</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>Set Up Sync…</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>Type the server's address with https://, for example https://couch.example.com:6984.</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>Type the server's address alone, without a path or a name: https://host or https://host:port.</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>Type your user name and password.</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>The server at %1 answers, but not as a CouchDB database server.</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>The server did not accept this user name and password.</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>This account may not use the database %1.</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>The keyring that holds your password did not answer. Sign in again to go on syncing.</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>Your password is not in the keyring. Sign in again to go on syncing.</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>The keyring did not keep the password, so you are not signed in.</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>The account could not be saved in your settings folder.</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>The account could not be removed from your settings folder.</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>The local server did not start.</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>Open the Stashline panel</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>Some files could not be added</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>This file is neither a picture nor text.</translation>
    </message>
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>Search All Items</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>Clear Search</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>Filters</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>No items match “%1”</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>Favorites</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>From a Site…</translation>
    </message>
    <message id="share.search.filter.lastWeek">
        <source>Last 7 Days</source>
        <translation>Last 7 Days</translation>
    </message>
    <message id="share.search.filter.lastMonth">
        <source>Last 30 Days</source>
        <translation>Last 30 Days</translation>
    </message>
    <message id="share.search.filter.olderThanYear">
        <source>Older Than a Year</source>
        <translation>Older Than a Year</translation>
    </message>
    <message id="share.search.filter.leaveOut">
        <source>Leave Out a Word…</source>
        <translation>Leave Out a Word…</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search needs a QUERY with words or filters, once</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>On this computer</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>Your items are kept on this computer. Set up sync to have them on your other devices too.</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>Sync is paused</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>The encryption key on the server cannot be read by this version of Stashline (%1).</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>The server has not finished cleaning up old versions yet.</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>This account is encrypted. Enter your passphrase to sync.</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>The picture of record %1 was changed on the server or sealed with another key.</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>Other devices kept writing unencrypted items; encrypting goes on later.</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>That passphrase does not open this account's key. Nothing was changed.</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>Sign in to an account first.</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>Choose a passphrase of at least %1 characters.</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>This account is not encrypted.</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>This device could not keep the key. It will ask for the passphrase again at the next start.</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>Enter the current passphrase first: this device does not hold the account's key.</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>Type the database's name exactly to confirm.</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>Another change of encryption is still running.</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>Checking the passphrase…</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>Making the account's key…</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>Encrypting every item on the server…</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>Removing old, unencrypted versions from the server…</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>Moving to a new database, because this account may not clean up old versions on the server…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>Other devices kept writing to the old database; moving goes on later.</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>Changing the passphrase…</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>Erasing the cloud copy and starting over…</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>End-to-end encryption</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>The server did not say whether this account is encrypted yet.</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>New passphrase</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>The two passphrases differ.</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>Encrypt with a Passphrase</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>Enter Passphrase</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>Change Passphrase</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>Check Again</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>Forgot the passphrase?</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>Start Over…</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>To confirm, type the database's name: %1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>Erase and Start Over</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>Enter your passphrase to sync</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>Your account is encrypted. Until then nothing is sent or received; new items wait here.</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>Enter Passphrase…</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>Encryption: off (the server can read your items)</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>Encryption: on; this computer holds the key</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>Encryption: unknown (the server did not answer)</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>Signed out. The items stay on this computer.</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>Not signed in. The items are kept on this computer.</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>User: %1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>Database: %1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>Signed in.</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>No keyring answers here, so the password is kept in the account file, readable by you alone.</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>Encrypted. The server now stores only what it cannot read.</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>Unlocked. This computer syncs again.</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>Passphrase:</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>Repeat:</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>No password came on standard input.</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>No passphrase came on standard input.</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>'account sign-in' takes the server's address and --user NAME.</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>'account %1' takes no arguments.</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>Recently Deleted</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>Recently Deleted (%1)</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>Delete Now</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>Empty Trash</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>Delete everything in Recently Deleted for good (%1)?</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>Days until removed for good: %1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>Deleted “%1”</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>Deleted items: %1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>Favourite</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>Import…</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>Export All Items</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Stashline export</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>Import Items</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>Exports, bookmarks and notes</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>Choose a file on this computer.</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>Exported items: %1, pictures: %2, to %3.</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>The export could not be written: %1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>Changes not saved yet could not be saved, so nothing was exported: %1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>Imported. New: %1, updated: %2, already up to date: %3.</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>The archive is damaged or incomplete; nothing was imported.</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 is too large to import; nothing was imported.</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>%1 in the archive is not a JPEG picture; nothing was imported.</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>There is no file %1.</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1 holds no text; nothing was imported.</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>There is no room to unpack the import; nothing was imported: %1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>The import could not be saved; nothing was imported: %1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>Restored “%1”.</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>Recently Deleted is empty.</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>Item %1 is not in Recently Deleted.</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>Item %1 is in Recently Deleted; restore it first ('stashline restore').</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1 needs one FILE</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>Sent</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>Copied</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>Take Photo</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>This picture could not be read.</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>Offline. Your changes stay on this phone and go out when the connection is back.</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>Could not reach your server. Trying again…</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>Your items are encrypted</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>Checking…</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>That passphrase does not open your items. Nothing was changed.</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>Open on Your Phone</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>Publish to My Server</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>Publishing…</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>Open this address on your phone, or scan the code:</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>The web app could not be published: %1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>QR code of the address</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>This build of Stashline carries no web app.</translation>
    </message>
</context>
</TS>
