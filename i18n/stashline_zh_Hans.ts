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
   or: stashline list [--json] [--favorites|--history]
   or: stashline copy ITEM
   or: stashline open ITEM
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
  copy ITEM              put an item's link, text or picture on the clipboard
  open ITEM              open an item's link in your browser or mail program
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
</source>
        <translation>用法：stashline [文件|URL]...
  或：stashline add [--title 标题] [--favorite] 文本|-|--image 文件|--clipboard
  或：stashline list [--json] [--favorites|--history]
  或：stashline copy 项目
  或：stashline open 项目
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
  copy 项目              将项目的链接、文本或图片复制到剪贴板
  open 项目              在浏览器或邮件程序中打开项目的链接
项目是项目的 UUID，或它在“stashline list”中的编号。

选项：
      --panel            打开托盘面板（可将其绑定到键盘快捷键）
  -h, --help             显示此帮助并退出
      --version          显示版本并退出

Stashline 运行时由它执行命令，因此新项目会立即显示并上传。否则命令直接写入存储，
下次启动 Stashline 时再上传新增的内容。STASHLINE_GROUP_DIR 可选择其他存储。
在终端中，标题里的控制字符会以转义形式显示（\x1B、\u202E）。

退出状态：0 完成，1 失败（原因见标准错误输出），2 用法错误。
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
        <source>list takes --favorites or --history, not both</source>
        <translation>list 只能指定 --favorites 或 --history 之一，不能同时指定</translation>
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
</context>
</TS>
