<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>用法：stashline [文件|URL]...
  或：stashline add [--title 标题] [--favorite] 文本|-|--image 文件|--clipboard
  或：stashline list [--json] [--favorites|--history|--trash] [--search 查询]
  或：stashline copy 项目
  或：stashline open 项目
  或：stashline delete|restore 项目
  或：stashline export|import 文件
  或：stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
保存笔记、链接和图片，带到你的其他设备上。

不带参数时，启动 Stashline 或将其窗口置于最前。每个文件或 URL 成为一个项目：
图片文件成为图片，文本文件成为笔记，两者都以文件名为标题；URL 成为链接。
缺失或无法添加的文件会单独用一行报告，其余的照常添加。

命令：
  add 文本...            添加一条笔记；文本是带协议的 URL 时添加链接
  add -                  添加从标准输入读取的文本
    -t, --title 标题     为项目设置标题（图片默认使用文件名）
    -f, --favorite       将项目标为收藏
    -i, --image 文件     添加文件中的图片（JPEG、PNG、WebP、GIF 等）
    -c, --clipboard      添加剪贴板中的内容：图片、链接或文本
  list                   按窗口中的分组列出项目，并编号
    --json               以 JSON 数组输出（uuid, title, content, kind, favorite,
                         created, syncStatus, group, section）
    --favorites          只列出较早的收藏
    --history            只列出历史记录
    --trash              只列出“最近删除”，单独编号
    --search 查询        只列出与查询匹配的项目，每个分组中最匹配的在前：
                         词语、"短语"、-词语、is:fav、is:note、is:link、is:picture、
                         site:主机、before:YYYY-MM-DD、after:...
  copy 项目              将项目的链接、文本或图片复制到剪贴板
  open 项目              在浏览器或邮件程序中打开项目的链接
  delete 项目            将项目移到“最近删除”（保留 30 天）
  restore 项目           从“最近删除”恢复项目；项目为其 UUID 或它在
                         “stashline list --trash”中的编号
  export 文件            将所有项目（包括“最近删除”）及其图片写入一个归档（.zip）
  import 文件            读取导出文件、浏览器书签文件（.html）或文本/Markdown
                         笔记（.txt、.md）；已有的项目会被识别，绝不重复
  account status         显示服务器、用户、数据库、是否已加密，
    --json               以及这台电脑是否持有密钥
  account sign-in URL --user 名称 [--database 数据库]
                         登录；从标准输入读取密码
  account sign-out       退出登录；项目保留在这台电脑上
  account encrypt        用密码短语（标准输入）加密账户
  account unlock         用密码短语（标准输入）让这台电脑取得密钥
  account change-passphrase
                         以新的密码短语（标准输入）保护同一个密钥
项目是项目的 UUID，或它在“stashline list”中的编号。

选项：
      --panel            打开托盘面板（可将其绑定到键盘快捷键）
  -h, --help             显示此帮助并退出
      --version          显示版本并退出

Stashline 运行时由它执行命令，因此新项目会立即显示并上传。否则命令直接写入存储，
下次启动 Stashline 时再上传新增的内容。STASHLINE_GROUP_DIR 可选择其他存储。
在终端中，标题里的控制字符会以转义形式显示（\x1B、\u202E）。

退出状态：0 完成，1 失败（原因见标准错误输出），2 用法错误。
list --search 没有匹配的项目时以 1 结束。
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>运行“stashline --help”了解更多信息。</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add 需要文本、“-”、--image 文件或 --clipboard 之一</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add 只能接受文本、“-”、--image 文件或 --clipboard 中的一个</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add 的 --title 和 --image 各只能指定一次</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list 不接受参数</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list 只能使用 --favorites、--history 和 --trash 中的一个</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1 需要一个项目：它的 UUID 或它在“stashline list”中的编号</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>某个参数不是有效的 UTF-8 文本</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>“%1”不是命令、文件或 URL</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>请求不是一行中的一个 JSON 对象。</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>未知请求“%1”。</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>请求的字段“%1”未知、缺失或类型错误。</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>add 请求只能包含文本、图片或剪贴板中的一个。</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>请求过大。</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline 仍在启动，请重试。</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline 已在运行，其窗口已置于最前。</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline 正在运行，但没有响应。</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>无法锁定 %1 中的存储以进行写入。</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>存储正忙，请重试。</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>无法读取标准输入。</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>标准输入不是 UTF-8 文本，未添加任何内容。</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>没有可访问剪贴板或浏览器的桌面会话（DISPLAY 或 WAYLAND_DISPLAY）。</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>剪贴板中没有可添加的内容。</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline 保留了该项目，但暂时未能保存：%1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>无法保存该项目：%1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>此文件不存在。</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>没有项目 %1：“stashline list”中的项目编号为 1 到 %2。</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>没有项目 %1：列表为空。</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>“%1”既不是项目编号也不是 UUID。</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>没有项目 %1。</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>已复制链接 %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>已复制图片</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>已复制文本</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>该项目的图片尚未下载到这台电脑。</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>该项目没有可复制的内容。</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>该项目没有链接。</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>没有程序打开 %1。</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>没有可添加的内容：文本为空。</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>没有可保存的内容：标题、文本和图片都为空。</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>无法将图片保存到 %1。</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>收藏</translation>
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
        <translation>你尚未登录云账户。</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>部分记录无法保存或读取（%1）。</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>无法存储记录 %1 的图片：%2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>无法读取记录 %1 的图片：%2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>服务器发送了一条没有名称的记录。</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>位于 %1 的云服务器发送了无法读取的应答。</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>位于 %1 的云服务器未在 %2 秒内应答。</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>无法连接位于 %1 的云服务器。</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>与 %1 的安全连接失败：服务器证书未被接受。</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>与位于 %1 的云服务器的连接失败。</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>位于 %1 的云服务器不接受该账户的用户名或密码。</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>该云账户无权使用位于 %1 的数据库。</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>位于 %1 的云数据库不存在。</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>该记录在此期间已在服务器上被更改。</translation>
    </message>
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>位于 %1 的云服务器发送的响应超过 %2 MB，未被读取。</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>请求对云服务器来说过大。</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>云服务器收到的请求过多。请稍后再试。</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>云数据库已满。</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>位于 %1 的云服务器出现问题（错误 %2）。请稍后再试。</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>位于 %1 的云服务器将请求转到了别处；只会使用已配置的数据库。</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>位于 %1 的云服务器拒绝了请求（错误 %2）。</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>记录 %1 在此期间已在服务器上被更改。</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>记录 %1 不存在。</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>服务器拒绝存储记录 %1。</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>该云账户无权写入记录 %1。</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>记录 %1 对云服务器来说过大。</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>服务器拒绝了记录 %1。</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>云账户地址不是有效的 http 或 https 地址。</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>云账户地址未指定数据库（例如 https://host/mydb）。</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>云账户地址不得包含查询或片段。</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up yet.</source>
        <translation>尚未设置云账户。</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>无法读取云账户设置。</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>此电脑上的其他用户可以读取云账户设置，因此不会使用这些设置。</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>云账户设置无效。</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>收藏夹</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>要带到其他设备上的笔记、链接和图片。</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>正在与云端同步…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>无法从云端下载</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>还没有保存任何内容。添加笔记、链接或图片，即可在所有设备上使用。</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>新建项目</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>从云端下载</translation>
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
        <translation>删除</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>删除此项目？</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>它将从你的所有设备中移除，且无法撤销。</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>几天前的项目，按保存日期排列。</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>暂无历史记录</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>已保存的图片</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>笔记</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>请在 %1 前归还</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>保存于 %1</translation>
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
        <translation>同步失败</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>写下笔记、粘贴链接或附加图片，很快就会出现在你的其他设备上。</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>标题（可选）</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>输入笔记或粘贴链接</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>选择图片</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>标为收藏</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>移除图片</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>图片</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>将图片拖到这里</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>编辑项目</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>更改标题、内容、图片或收藏标记。</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>上次同步</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline 让笔记、链接和图片的简短列表在你的所有设备上保持同步。</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - 支持</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>分享 Stashline</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>通过邮件发送</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>撰写评论</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>帮助中心</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>隐私政策</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>使用条款</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>更多应用</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>查看所有应用</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>打开 Stashline</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>退出 Stashline</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>云账户地址对服务器 %1 使用 http://，会以明文发送您的密码。请使用 https://（http:// 仅允许用于本机，例如 127.0.0.1 或 localhost）。</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>未打开：以 %1 开头的链接可能会在这台电脑上打开文件或运行程序。只会打开网页和电子邮件链接。</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>未打开：这不是完整的网址或电子邮件地址。</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>无法保存您的更改</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline 无法继续</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>由于以下问题，Stashline 必须停止。您的项目未被更改。</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>此图片有 %1 百万像素；Stashline 最多接受 %2 百万像素的图片。请选择较小的图片，或先缩小其尺寸。</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>无法将此文件读取为图片。</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>登录以同步你的项目</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>未登录。登录你自己的服务器，即可在每台设备上使用你的项目。</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>已在 %2 上以 %1 身份登录</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>数据库：%1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>上次下载：%1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>上次上传：%1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>尚无</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>此账户由环境变量 STASHLINE_CLOUD_URL 指定，优先于此页面；若要在此登录，请在不设置该变量的情况下启动 Stashline。</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>登录你的服务器</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>登录其他账户</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>数据库</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>退出登录</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>你的项目会留在这台电脑上，并上传到你下次登录的账户。</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>正在连接…</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>使用这台电脑上的本地服务器</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>将密码保存在账户文件中</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>设置同步…</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>请输入带 https:// 的服务器地址，例如 https://couch.example.com:6984。</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>只输入服务器地址，不要带路径或名称：https://host 或 https://host:port。</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>请输入用户名和密码。</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>数据库名称须以小写字母开头，只能包含小写字母、数字和 _$()+-。</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>%1 上的服务器有响应，但不是 CouchDB 数据库服务器。</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>服务器不接受此用户名和密码。</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>数据库 %1 不存在，且此账户无权创建。请让服务器管理员创建，或输入一个你可以使用的数据库名称。</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>此账户无权使用数据库 %1。</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>保存你密码的密钥环没有响应。请重新登录以继续同步。</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>密钥环中没有你的密码。请重新登录以继续同步。</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>此桌面上没有可响应的密钥环，无法在其中保存密码。Stashline 可以改为将其保存在只有你能读取的账户文件中。</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>密钥环未能保存密码，因此你尚未登录。</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>无法将账户保存到你的设置文件夹。</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>无法从你的设置文件夹中移除账户。</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>本地服务器需要 Stashline 源代码文件夹中的 cloud-server 工具（及其 Node.js 软件包）和 Node.js，而此安装中没有。</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>本地服务器未能启动。</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>打开 Stashline 面板</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>部分文件未能添加</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>此文件既不是图片也不是文本。</translation>
    </message>
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>搜索所有项目</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>清除搜索</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>筛选</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>没有与“%1”匹配的项目</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>收藏</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>笔记</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>链接</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>指定网站…</translation>
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
        <translation>排除某个词…</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search 需要一个含词语或筛选条件的查询，且只能给一次</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>保存在本机</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>你的项目保存在本机。设置同步后，也能在其他设备上使用。</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>同步已暂停</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>有 %1 个项目无法解密：它们在服务器上被改动过，或用另一个密钥加密。此设备会保留它们原来的样子。</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>此版本的 Stashline 无法读取服务器上的加密密钥（%1）。</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>服务器尚未完成清理旧版本。</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>此账户已加密。请输入密码短语以同步。</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>记录 %1 的图片在服务器上被改动过，或用另一个密钥加密。</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>其他设备仍在写入未加密的项目；加密稍后继续。</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>此密码短语无法打开此账户的密钥。没有做任何更改。</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>另一台设备已先用另一个密码短语加密了此账户。请输入那个密码短语，以便在这里同步。</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>在此期间，另一台设备更改了账户密钥。请输入它的密码短语，然后重试。</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>请先登录账户。</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>请设置至少 %1 个字符的密码短语。</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>此账户未加密。</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>此设备无法保存密钥。下次启动时会再次询问密码短语。</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>请先输入当前的密码短语：此设备没有账户的密钥。</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>请准确输入数据库名称以确认。</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>另一项加密更改仍在进行中。</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>现在已全部加密。服务器不允许此账户清理旧版本，因此服务器上可能仍存有你的项目未加密的早期版本。</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>服务器不允许此账户清理旧版本：服务器上可能仍存有你的项目未加密的早期版本。要删除它们，请让服务器管理员压缩数据库，或改用新的数据库。</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>正在检查密码短语…</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>正在生成账户密钥…</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>正在加密服务器上的所有项目…</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>正在从服务器删除未加密的旧版本…</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>此账户无法清理服务器上的旧版本，正在迁移到新的数据库…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>如果服务器不允许此账户清理旧版本，加密时会把你的项目迁移到同一服务器上的新数据库，并清空旧数据库。</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>现在已全部加密。服务器不允许此账户清理旧版本，因此账户已迁移到新数据库 %1，旧数据库已删除。</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>现在已全部加密。服务器不允许此账户清理旧版本，因此账户已迁移到新数据库 %1。旧数据库已清空，但服务器不允许此账户删除它：其中可能仍存有未加密的早期版本。</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>由于服务器不允许此账户清理旧版本，此账户已从数据库 %1 迁移到这里。此数据库中没有未加密的版本。</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>服务器不允许此账户删除旧数据库 %1：其中可能仍存有你的项目未加密的早期版本。请让服务器管理员删除它。</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>其他设备仍在向旧数据库写入；迁移稍后继续。</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>正在更改密码短语…</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>正在清除云端副本并重新开始…</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>端到端加密</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>已关闭。运行或备份服务器的人都能读取你的标题、笔记、链接和图片。</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>此账户已加密，而此设备还没有它的密钥。请输入密码短语以同步。在此之前不会发送或接收任何内容；你添加的项目会在这台电脑上等待。</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>已开启。你的标题、笔记、链接、图片及其更改时间在发送前就在此设备上加密，密钥只有你的设备持有。</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>服务器尚未告知此账户是否已加密。</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>开启加密后，服务器仍能看到账户存在、项目数量、大小、更改时间和 ID，但看不到任何内容。</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>服务器仍能看到的：账户存在、项目数量、大小、更改时间和 ID。它无法读取标题、笔记、链接、图片或更改时间。</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>密码短语</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>新密码短语</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>再次输入</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>两次输入的密码短语不一致。</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>请把密码短语保存在安全的地方。没有人能找回它：没有它，新设备就无法读取你的项目。</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>用密码短语加密</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>输入密码短语</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>更改密码短语</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>重新检查</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>忘记了密码短语？</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>重新开始会清除此账户在服务器上保存的所有内容，并用新的密码短语上传此设备上的项目。你的其他设备会要求输入新的密码短语；在那里输入后，它们会把此设备没有的项目传回来。</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>重新开始…</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>请输入数据库名称以确认：%1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>清除并重新开始</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>输入密码短语以同步</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>你的账户已加密。在此之前不会发送或接收任何内容；新项目在这里等待。</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>此账户已在另一台设备上用新的密码短语重新开始。输入它，即可传回此设备上的内容。</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>服务器上的账户密钥不见了。同步已暂停，以免发送未加密的内容。</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>输入密码短语…</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>加密：关闭（服务器能读取你的项目）</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>加密：开启；这台电脑没有密钥（请运行「stashline account unlock」）</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>加密：开启；这台电脑持有密钥</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>加密：未知（服务器没有响应）</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>账户来自 STASHLINE_CLOUD_URL，无法在此更改。</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>已退出登录。项目保留在这台电脑上。</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>未登录。项目保存在这台电脑上。</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>服务器：%1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>用户：%1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>数据库：%1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>已登录。</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>这里没有可用的钥匙环，因此密码保存在只有你能读取的账户文件中。</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>已加密。服务器现在只保存它无法读取的内容。</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>已解锁。这台电脑重新开始同步。</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>密码短语已更改。持有密钥的设备继续同步；新设备需要新的密码短语。</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>密码短语：</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>再次输入：</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>标准输入中没有收到密码。</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>标准输入中没有收到密码短语。</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>「account」后面应为 status、sign-in、sign-out、encrypt、unlock 或 change-passphrase，而不是「%1」。</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>「account sign-in」需要服务器地址和 --user 名称。</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>「account %1」不接受参数。</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>最近删除</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>最近删除（%1）</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>立即删除</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>清空废纸篓</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>要永久删除“最近删除”中的全部项目吗？（%1）</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>距永久删除还有天数：%1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>最近没有删除任何项目。删除的项目会在这里保留 %1 天，之后将被永久删除。</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>已删除“%1”</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>已删除的项目：%1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>收藏</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>导入…</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>导出所有项目</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Stashline 导出文件</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>导入项目</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>导出文件、书签和笔记</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>请选择这台电脑上的文件。</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>已导出到 %3。项目：%1，图片：%2。</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>无法写入导出文件：%1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>尚未保存的更改无法保存，因此没有导出任何内容：%1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>已导入。新增：%1，更新：%2，已是最新：%3。</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>归档文件已损坏或不完整，未导入任何内容。</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>该归档文件由更新版本的 Stashline 创建，请更新 Stashline 后再导入。未导入任何内容。</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 太大，无法导入。未导入任何内容。</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>归档中的 %1 不是 JPEG 图片，未导入任何内容。</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>没有文件 %1。</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1 中没有文本，未导入任何内容。</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1 不是 Stashline 可以导入的文件。请选择 Stashline 导出文件（.zip）、浏览器书签文件（.html）或文本/Markdown 笔记（.txt、.md）。</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>没有空间解压导入的文件，未导入任何内容：%1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>无法保存导入的内容，未导入任何内容：%1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>已将“%1”移到“最近删除”，%2 天后将被永久删除。</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>已恢复“%1”。</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>“最近删除”是空的。</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>“最近删除”中没有第 %1 项，共有 %2 项（见“stashline list --trash”）。</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>项目 %1 不在“最近删除”中。</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>项目 %1 在“最近删除”中，请先恢复它（“stashline restore”）。</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1 需要一个文件</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>拍照</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>无法读取这张图片。</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>已离线。你的更改保存在这部手机上，连接恢复后即会发送。</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>无法连接到你的服务器。正在重试…</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>你的项目已加密</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>输入密码短语即可查看和同步项目。在此之前，此页面不显示也不更改任何内容。</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>密码短语</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>正在检查…</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>此密码短语无法打开你的项目。未做任何更改。</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>在手机上打开</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>将 Stashline 网页应用放到你的服务器上，与你的项目放在一起。手机浏览器会用同一账户打开它，并保留一份可离线使用的副本。</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>发布到我的服务器</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>正在发布…</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>在手机上打开此地址，或扫描二维码：</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>此服务器运行在这台电脑上（127.0.0.1），手机无法访问。请登录手机可以访问的服务器，例如托管的 CouchDB 或你自己在 HTTPS 之后的服务器，然后重新发布。</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>无法发布网页应用：%1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>地址的二维码</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>此 Stashline 版本未包含网页应用。</translation>
    </message>
</context>
</TS>
