<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
        <translation>用法：stashline [檔案|URL]...
  或：stashline add [--title 標題] [--favorite] 文字|-|--image 檔案|--clipboard
  或：stashline list [--json] [--favorites|--history|--trash] [--search 查詢]
  或：stashline copy 項目
  或：stashline open 項目
  或：stashline delete|restore 項目
  或：stashline export|import 檔案
  或：stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
保存筆記、連結和圖片，帶到你的其他裝置上。

不帶參數時，啟動 Stashline 或將其視窗移到最前面。每個檔案或 URL 會成為一個項目：
圖片檔成為圖片，文字檔成為筆記，兩者都以檔名為標題；URL 成為連結。
找不到或無法加入的檔案會各自以一行回報，其餘的照常加入。

指令：
  add 文字...            加入一則筆記；文字是含通訊協定的 URL 時加入連結
  add -                  加入從標準輸入讀取的文字
    -t, --title 標題     為項目設定標題（圖片預設使用檔名）
    -f, --favorite       將項目標為收藏
    -i, --image 檔案     加入檔案中的圖片（JPEG、PNG、WebP、GIF 等）
    -c, --clipboard      加入剪貼簿中的內容：圖片、連結或文字
  list                   依視窗中的分組列出項目，並加上編號
    --json               以 JSON 陣列輸出（uuid, title, content, kind, favorite,
                         created, syncStatus, group, section）
    --favorites          只列出較早的收藏
    --history            只列出歷史記錄
    --trash              只列出「最近刪除」，單獨編號
    --search 查詢        只列出與查詢相符的項目，每個分組中最相符的在前：
                         字詞、"片語"、-字詞、is:fav、is:note、is:link、is:picture、
                         site:主機、before:YYYY-MM-DD、after:...
  copy 項目              將項目的連結、文字或圖片拷貝到剪貼簿
  open 項目              在瀏覽器或郵件程式中開啟項目的連結
  delete 項目            將項目移到「最近刪除」（保留 30 天）
  restore 項目           從「最近刪除」復原項目；項目為其 UUID 或它在
                         「stashline list --trash」中的編號
  export 檔案            將所有項目（包括「最近刪除」）及其圖片寫入一個封存檔（.zip）
  import 檔案            讀取匯出檔案、瀏覽器書籤檔案（.html）或文字/Markdown
                         筆記（.txt、.md）；已有的項目會被辨識，絕不重複
  account status         顯示伺服器、使用者、資料庫、是否已加密，
    --json               以及這台電腦是否持有金鑰
  account sign-in URL --user 名稱 [--database 資料庫]
                         登入；從標準輸入讀取密碼
  account sign-out       登出；項目保留在這台電腦上
  account encrypt        用密碼短語（標準輸入）加密帳號
  account unlock         用密碼短語（標準輸入）讓這台電腦取得金鑰
  account change-passphrase
                         以新的密碼短語（標準輸入）保護同一把金鑰
項目是項目的 UUID，或它在「stashline list」中的編號。

選項：
      --panel            開啟系統匣面板（可將其綁定到鍵盤快速鍵）
  -h, --help             顯示此說明並結束
      --version          顯示版本並結束

Stashline 執行時由它執行指令，因此新項目會立即顯示並上傳。否則指令直接寫入儲存區，
下次啟動 Stashline 時再上傳新加入的內容。STASHLINE_GROUP_DIR 可選擇其他儲存區。
在終端機中，標題裡的控制字元會以跳脫形式顯示（\x1B、\u202E）。

結束狀態：0 完成，1 失敗（原因見標準錯誤輸出），2 用法錯誤。
list --search 沒有相符的項目時以 1 結束。
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>執行「stashline --help」以取得更多資訊。</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add 需要文字、「-」、--image 檔案或 --clipboard 其中之一</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add 只能接受文字、「-」、--image 檔案或 --clipboard 其中一個</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add 的 --title 和 --image 各只能指定一次</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list 不接受參數</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list 只能使用 --favorites、--history 和 --trash 中的一個</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1 需要一個項目：它的 UUID 或它在「stashline list」中的編號</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>某個參數不是有效的 UTF-8 文字</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>未知的選項「%1」</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>「%1」不是指令、檔案或 URL</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>要求不是一行中的一個 JSON 物件。</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>未知的要求「%1」。</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>要求的欄位「%1」未知、缺少或類型錯誤。</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>add 要求只能包含文字、圖片或剪貼簿其中一個。</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>要求過大。</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline 仍在啟動，請再試一次。</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline 已在執行，其視窗已移到最前面。</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline 正在執行，但沒有回應。</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>無法鎖定 %1 中的儲存區以進行寫入。</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>儲存區正忙，請再試一次。</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>無法讀取標準輸入。</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>標準輸入不是 UTF-8 文字，未加入任何內容。</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>沒有可使用剪貼簿或瀏覽器的桌面工作階段（DISPLAY 或 WAYLAND_DISPLAY）。</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>剪貼簿中沒有可加入的內容。</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline 保留了該項目，但暫時無法儲存：%1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>無法儲存該項目：%1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>此檔案不存在。</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>沒有項目 %1：「stashline list」中的項目編號為 1 到 %2。</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>沒有項目 %1：清單是空的。</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>「%1」既不是項目編號也不是 UUID。</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>沒有項目 %1。</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>已拷貝連結 %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>已拷貝圖片</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>已拷貝文字</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>該項目的圖片尚未下載到這台電腦。</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>該項目沒有可拷貝的內容。</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>該項目沒有連結。</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>沒有程式開啟 %1。</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>已開啟 %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>沒有可加入的內容：文字是空的。</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>沒有可儲存的內容：標題、文字和圖片都是空的。</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>無法將圖片儲存到 %1。</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>我的最愛</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message id="cloud.error.notAuthenticated">
        <source>You are not signed in to a cloud account.</source>
        <translation>你尚未登入雲端帳號。</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>部分記錄無法儲存或讀取（%1）。</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>無法儲存記錄 %1 的圖片：%2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>無法讀取記錄 %1 的圖片：%2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>伺服器傳送了一筆沒有名稱的記錄。</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>位於 %1 的雲端伺服器傳送了無法讀取的回應。</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>位於 %1 的雲端伺服器未在 %2 秒內回應。</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>無法連線至位於 %1 的雲端伺服器。</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>與 %1 的安全連線失敗：伺服器憑證未被接受。</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>與位於 %1 的雲端伺服器的連線失敗。</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>位於 %1 的雲端伺服器不接受此帳號的使用者名稱或密碼。</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>此雲端帳號無權使用位於 %1 的資料庫。</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>位於 %1 的雲端資料庫不存在。</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>該記錄在此期間已在伺服器上被變更。</translation>
    </message>
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>位於 %1 的雲端伺服器傳送的回應超過 %2 MB，未被讀取。</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>要求對雲端伺服器來說過大。</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>雲端伺服器收到的要求過多。請稍後再試。</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>雲端資料庫已滿。</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>位於 %1 的雲端伺服器發生問題（錯誤 %2）。請稍後再試。</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>位於 %1 的雲端伺服器將要求轉至別處；只會使用已設定的資料庫。</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>位於 %1 的雲端伺服器拒絕了要求（錯誤 %2）。</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>記錄 %1 在此期間已在伺服器上被變更。</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>記錄 %1 不存在。</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>伺服器拒絕儲存記錄 %1。</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>此雲端帳號無權寫入記錄 %1。</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>記錄 %1 對雲端伺服器來說過大。</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>伺服器拒絕了記錄 %1。</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>雲端帳號位址不是有效的 http 或 https 位址。</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>雲端帳號位址未指定資料庫（例如 https://host/mydb）。</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>雲端帳號位址不得包含查詢或片段。</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up yet.</source>
        <translation>尚未設定雲端帳號。</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>無法讀取雲端帳號設定。</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>此電腦上的其他使用者可以讀取雲端帳號設定，因此不會使用這些設定。</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>雲端帳號設定無效。</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>收藏夾</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>歷史</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>要帶到其他裝置上的筆記、連結和圖片。</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>正在與雲端同步…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>無法從雲端下載</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>重試</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>尚未儲存任何內容。加入筆記、連結或圖片，即可在所有裝置上使用。</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>新增項目</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>從雲端下載</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>收藏</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>取消收藏</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>刪除此項目？</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>它將從你的所有裝置中移除，且無法復原。</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>加入</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>拷貝</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>打開</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>歷史</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>幾天前的項目，依儲存日期排列。</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>尚無歷史記錄</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>已儲存的圖片</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>筆記</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>圖片</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>請在 %1 前歸還</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>儲存於 %1</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>同步中</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>已同步</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>同步失敗</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>寫下筆記、貼上連結或附加圖片，很快就會出現在你的其他裝置上。</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>標題（選填）</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>內容</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>輸入筆記或貼上連結</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>圖片</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>選擇圖片</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>標為收藏</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>移除圖片</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>圖片</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>將圖片拖到這裡</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>編輯項目</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>變更標題、內容、圖片或收藏標記。</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>建立時間</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>上次同步</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline 讓筆記、連結和圖片的簡短清單在你的所有裝置上保持同步。</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>傳送意見回饋</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - 支援</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>分享 Stashline</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>拷貝連結</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>透過郵件傳送</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>撰寫評論</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>說明中心</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>隱私權政策</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>使用條款</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>更多 App</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>查看所有 App</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>開啟 Stashline</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>結束 Stashline</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>雲端帳號位址對伺服器 %1 使用 http://，會以明文傳送您的密碼。請使用 https://（http:// 僅允許用於本機，例如 127.0.0.1 或 localhost）。</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>未開啟：以 %1 開頭的連結可能會在這台電腦上開啟檔案或執行程式。只會開啟網頁和電子郵件連結。</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>未開啟：這不是完整的網址或電子郵件地址。</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>無法儲存您的變更</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>重試</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline 無法繼續</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>由於以下問題，Stashline 必須停止。您的項目未被變更。</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>此圖片有 %1 百萬像素；Stashline 最多接受 %2 百萬像素的圖片。請選擇較小的圖片，或先縮小其尺寸。</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>無法將此檔案讀取為圖片。</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>登入以同步你的項目</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>尚未登入。登入你自己的伺服器，即可在每台裝置上使用你的項目。</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>已在 %2 上以 %1 身分登入</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>資料庫：%1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>上次下載：%1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>上次上傳：%1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>尚無</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>此帳號由環境變數 STASHLINE_CLOUD_URL 指定，優先於此頁面；若要在此登入，請在未設定該變數的情況下啟動 Stashline。</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>登入你的伺服器</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>登入其他帳號</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>資料庫</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>登出</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>你的項目會留在這台電腦上，並上傳到你下次登入的帳號。</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>正在連線…</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>使用這台電腦上的本機伺服器</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>將密碼保存在帳號檔案中</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>設定同步…</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>請輸入帶 https:// 的伺服器位址，例如 https://couch.example.com:6984。</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>只輸入伺服器位址，不要帶路徑或名稱：https://host 或 https://host:port。</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>請輸入使用者名稱和密碼。</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>資料庫名稱須以小寫字母開頭，只能包含小寫字母、數字和 _$()+-。</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>%1 上的伺服器有回應，但不是 CouchDB 資料庫伺服器。</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>伺服器不接受此使用者名稱和密碼。</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>資料庫 %1 不存在，且此帳號無權建立。請伺服器管理員建立，或輸入一個你可以使用的資料庫名稱。</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>此帳號無權使用資料庫 %1。</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>保存你密碼的鑰匙圈沒有回應。請重新登入以繼續同步。</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>鑰匙圈中沒有你的密碼。請重新登入以繼續同步。</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>此桌面上沒有可回應的鑰匙圈，無法在其中保存密碼。Stashline 可以改為將其保存在只有你能讀取的帳號檔案中。</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>鑰匙圈未能保存密碼，因此你尚未登入。</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>無法將帳號保存到你的設定資料夾。</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>無法從你的設定資料夾中移除帳號。</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>本機伺服器需要 Stashline 原始碼資料夾中的 cloud-server 工具（及其 Node.js 套件）和 Node.js，而此安裝中沒有。</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>本機伺服器未能啟動。</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>打開 Stashline 面板</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>部分檔案未能加入</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>關閉</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>此檔案既不是圖片也不是文字。</translation>
    </message>
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>搜尋所有項目</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>清除搜尋</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>篩選</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>沒有符合「%1」的項目</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>我的最愛</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>筆記</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>連結</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>圖片</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>指定網站…</translation>
    </message>
    <message id="share.search.filter.lastWeek">
        <source>Last 7 Days</source>
        <translation>最近 7 天</translation>
    </message>
    <message id="share.search.filter.lastMonth">
        <source>Last 30 Days</source>
        <translation>最近 30 天</translation>
    </message>
    <message id="share.search.filter.olderThanYear">
        <source>Older Than a Year</source>
        <translation>一年以前</translation>
    </message>
    <message id="share.search.filter.leaveOut">
        <source>Leave Out a Word…</source>
        <translation>排除某個字詞…</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search 需要一個含字詞或篩選條件的查詢，且只能給一次</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>儲存在本機</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>你的項目儲存在本機。設定同步後，也能在其他裝置上使用。</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>同步已暫停</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>有 %1 個項目無法解密：它們在伺服器上被改動過，或以另一把金鑰加密。此裝置會保留它們原本的樣子。</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>此版本的 Stashline 無法讀取伺服器上的加密金鑰（%1）。</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>伺服器尚未完成清理舊版本。</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>此帳號已加密。請輸入密碼短語以同步。</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>記錄 %1 的圖片在伺服器上被改動過，或以另一把金鑰加密。</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>其他裝置仍在寫入未加密的項目；加密稍後繼續。</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>此密碼短語無法開啟此帳號的金鑰。沒有做任何變更。</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>另一台裝置已先用另一個密碼短語加密了此帳號。請輸入那個密碼短語，以便在這裡同步。</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>在此期間，另一台裝置變更了帳號金鑰。請輸入它的密碼短語，然後再試一次。</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>請先登入帳號。</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>請設定至少 %1 個字元的密碼短語。</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>此帳號未加密。</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>此裝置無法保存金鑰。下次啟動時會再次詢問密碼短語。</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>請先輸入目前的密碼短語：此裝置沒有帳號的金鑰。</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>請準確輸入資料庫名稱以確認。</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>另一項加密變更仍在進行中。</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>現在已全部加密。伺服器不允許此帳號清理舊版本，因此伺服器上可能仍存有你的項目未加密的早期版本。</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>伺服器不允許此帳號清理舊版本：伺服器上可能仍存有你的項目未加密的早期版本。若要刪除，請請伺服器管理員壓縮資料庫，或改用新的資料庫。</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>正在檢查密碼短語…</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>正在產生帳號金鑰…</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>正在加密伺服器上的所有項目…</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>正在從伺服器刪除未加密的舊版本…</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>此帳號無法清理伺服器上的舊版本，正在移轉到新的資料庫…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>如果伺服器不允許此帳號清理舊版本，加密時會把你的項目移轉到同一伺服器上的新資料庫，並清空舊資料庫。</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>現在已全部加密。伺服器不允許此帳號清理舊版本，因此帳號已移轉到新資料庫 %1，舊資料庫已刪除。</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>現在已全部加密。伺服器不允許此帳號清理舊版本，因此帳號已移轉到新資料庫 %1。舊資料庫已清空，但伺服器不允許此帳號刪除它：其中可能仍存有未加密的早期版本。</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>由於伺服器不允許此帳號清理舊版本，此帳號已從資料庫 %1 移轉到這裡。此資料庫中沒有未加密的版本。</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>伺服器不允許此帳號刪除舊資料庫 %1：其中可能仍存有你的項目未加密的早期版本。請伺服器管理員刪除它。</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>其他裝置仍在寫入舊資料庫；移轉稍後繼續。</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>正在變更密碼短語…</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>正在清除雲端副本並重新開始…</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>端對端加密</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>已關閉。執行或備份伺服器的人都能讀取你的標題、筆記、連結和圖片。</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>此帳號已加密，而此裝置還沒有它的金鑰。請輸入密碼短語以同步。在此之前不會傳送或接收任何內容；你加入的項目會在這台電腦上等待。</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>已開啟。你的標題、筆記、連結、圖片及其變更時間在傳送前就在此裝置上加密，金鑰只有你的裝置持有。</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>伺服器尚未告知此帳號是否已加密。</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>開啟加密後，伺服器仍能看到帳號存在、項目數量、大小、變更時間和 ID，但看不到任何內容。</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>伺服器仍能看到的：帳號存在、項目數量、大小、變更時間和 ID。它無法讀取標題、筆記、連結、圖片或變更時間。</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>密碼短語</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>新密碼短語</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>再次輸入</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>兩次輸入的密碼短語不一致。</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>請把密碼短語保存在安全的地方。沒有人能找回它：沒有它，新裝置就無法讀取你的項目。</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>用密碼短語加密</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>輸入密碼短語</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>變更密碼短語</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>重新檢查</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>忘記了密碼短語？</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>重新開始會清除此帳號在伺服器上保存的所有內容，並用新的密碼短語上傳此裝置上的項目。你的其他裝置會要求輸入新的密碼短語；在那裡輸入後，它們會把此裝置沒有的項目傳回來。</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>重新開始…</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>請輸入資料庫名稱以確認：%1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>清除並重新開始</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>輸入密碼短語以同步</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>你的帳號已加密。在此之前不會傳送或接收任何內容；新項目在這裡等待。</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>此帳號已在另一台裝置上用新的密碼短語重新開始。輸入它，即可傳回此裝置上的內容。</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>伺服器上的帳號金鑰不見了。同步已暫停，以免傳送未加密的內容。</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>輸入密碼短語…</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>加密：關閉（伺服器能讀取你的項目）</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>加密：開啟；這台電腦沒有金鑰（請執行「stashline account unlock」）</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>加密：開啟；這台電腦持有金鑰</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>加密：未知（伺服器沒有回應）</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>帳號來自 STASHLINE_CLOUD_URL，無法在此變更。</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>已登出。項目保留在這台電腦上。</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>未登入。項目保存在這台電腦上。</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>伺服器：%1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>使用者：%1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>資料庫：%1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>已登入。</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>這裡沒有可用的鑰匙圈，因此密碼保存在只有你能讀取的帳號檔案中。</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>已加密。伺服器現在只保存它無法讀取的內容。</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>已解鎖。這台電腦重新開始同步。</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>密碼短語已變更。持有金鑰的裝置繼續同步；新裝置需要新的密碼短語。</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>密碼短語：</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>再次輸入：</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>標準輸入中沒有收到密碼。</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>標準輸入中沒有收到密碼短語。</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>「account」後面應為 status、sign-in、sign-out、encrypt、unlock 或 change-passphrase，而不是「%1」。</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>「account sign-in」需要伺服器位址和 --user 名稱。</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>「account %1」不接受參數。</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>最近刪除</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>最近刪除（%1）</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>復原</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>立即刪除</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>清空垃圾桶</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>要永久刪除「最近刪除」中的全部項目嗎？（%1）</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>距永久刪除還有天數：%1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>最近沒有刪除任何項目。刪除的項目會在這裡保留 %1 天，之後將被永久刪除。</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>已刪除「%1」</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>已刪除的項目：%1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>還原</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>收藏</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>復原</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>匯出⋯</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>匯入⋯</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>匯出所有項目</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Stashline 匯出檔案</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>匯入項目</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>匯出檔案、書籤和筆記</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>請選擇這台電腦上的檔案。</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>已匯出到 %3。項目：%1，圖片：%2。</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>無法寫入匯出檔案：%1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>尚未儲存的變更無法儲存，因此沒有匯出任何內容：%1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>已匯入。新增：%1，更新：%2，已是最新：%3。</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>封存檔已損毀或不完整，未匯入任何內容。</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>此封存檔由較新版本的 Stashline 建立，請更新 Stashline 後再匯入。未匯入任何內容。</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 太大，無法匯入。未匯入任何內容。</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>封存檔中的 %1 不是 JPEG 圖片，未匯入任何內容。</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>沒有檔案 %1。</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>無法讀取 %1。</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1 中沒有文字，未匯入任何內容。</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1 不是 Stashline 可以匯入的檔案。請選擇 Stashline 匯出檔案（.zip）、瀏覽器書籤檔案（.html）或文字/Markdown 筆記（.txt、.md）。</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>沒有空間解壓縮匯入的檔案，未匯入任何內容：%1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>無法儲存匯入的內容，未匯入任何內容：%1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>已將「%1」移到「最近刪除」，%2 天後將被永久刪除。</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>已復原「%1」。</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>「最近刪除」是空的。</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>「最近刪除」中沒有第 %1 項，共有 %2 項（見「stashline list --trash」）。</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>項目 %1 不在「最近刪除」中。</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>項目 %1 在「最近刪除」中，請先復原它（「stashline restore」）。</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1 需要一個檔案</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>已傳送</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>已複製</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>拍照</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>無法讀取這張圖片。</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>已離線。你的變更保存在這支手機上，連線恢復後即會傳送。</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>無法連線到你的伺服器。正在重試…</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>你的項目已加密</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>輸入密碼短語即可檢視和同步項目。在此之前，此頁面不會顯示也不會變更任何內容。</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>密碼短語</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>解鎖</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>正在檢查…</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>此密碼短語無法開啟你的項目。未做任何變更。</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>在手機上開啟</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>將 Stashline 網頁應用程式放到你的伺服器上，與你的項目放在一起。手機瀏覽器會以同一帳號開啟它，並保留一份可離線使用的副本。</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>發布到我的伺服器</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>正在發布…</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>在手機上開啟此網址，或掃描 QR 碼：</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>此伺服器在這台電腦上執行（127.0.0.1），手機無法連線。請登入手機可連線的伺服器，例如託管的 CouchDB 或你自己架設在 HTTPS 之後的伺服器，然後重新發布。</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>無法發布網頁應用程式：%1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>網址的 QR 碼</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>此 Stashline 版本未包含網頁應用程式。</translation>
    </message>
</context>
</TS>
