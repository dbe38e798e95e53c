<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
        <translation>使い方: stashline [ファイル|URL]...
または: stashline add [--title タイトル] [--favorite] テキスト|-|--image ファイル|--clipboard
または: stashline list [--json] [--favorites|--history]
または: stashline copy 項目
または: stashline open 項目
メモ、リンク、画像を保存して、ほかのデバイスへ持ち運びます。

引数なしで実行すると、Stashline を起動するか、そのウィンドウを前面に表示します。
ファイルと URL はそれぞれ 1 つの項目になります。画像ファイルは画像、テキストファイルは
メモになり、どちらもファイル名がタイトルになります。URL はリンクになります。
見つからないファイルや追加できないファイルは 1 行ずつ報告され、残りは追加されます。

コマンド:
  add テキスト...        メモを追加します（テキストがスキーム付きの URL ならリンク）
  add -                  標準入力から読み込んだテキストを追加します
    -t, --title タイトル 項目にタイトルを付けます（画像は省略するとファイル名）
    -f, --favorite       項目をお気に入りにします
    -i, --image ファイル ファイルの画像を追加します（JPEG、PNG、WebP、GIF など）
    -c, --clipboard      クリップボードの内容（画像、リンク、テキスト）を追加します
  list                   ウィンドウと同じグループ分けで、項目を番号付きで一覧表示します
    --json               JSON 配列で出力します（uuid, title, content, kind, favorite,
                         created, syncStatus, group, section）
    --favorites          古いお気に入りだけ
    --history            履歴だけ
  copy 項目              項目のリンク、テキスト、画像をクリップボードにコピーします
  open 項目              項目のリンクをブラウザーまたはメールソフトで開きます
項目には、項目の UUID か「stashline list」での番号を指定します。

オプション:
      --panel            トレイのパネルを開きます（キーボードショートカットに割り当てると便利です）
  -h, --help             このヘルプを表示して終了します
      --version          バージョンを表示して終了します

Stashline の実行中は Stashline 自身がコマンドを実行するので、新しい項目はすぐに
表示され、アップロードされます。実行中でなければ、コマンドは保存データを直接
書き換え、次に Stashline を起動したときに追加分がアップロードされます。
STASHLINE_GROUP_DIR で別の保存場所を選べます。端末では、タイトル中の制御文字を
エスケープして表示します（\x1B、\u202E）。

終了ステータス: 0 成功、1 失敗（理由は標準エラー出力）、2 使い方の誤り。
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>詳しくは「stashline --help」を実行してください。</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add にはテキスト、「-」、--image ファイル、--clipboard のいずれかが必要です</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add に指定できるのはテキスト、「-」、--image ファイル、--clipboard のうち 1 つだけです</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add に --title と --image はそれぞれ 1 回しか指定できません</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list には引数を指定できません</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes --favorites or --history, not both</source>
        <translation>list には --favorites と --history のどちらか一方だけを指定できます</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1 には項目を 1 つ指定します（UUID か「stashline list」での番号）</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>引数の 1 つが正しい UTF-8 テキストではありません</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>「%1」はコマンドでも、ファイルでも、URL でもありません</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>要求が 1 行の JSON オブジェクトではありません。</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>不明な要求「%1」です。</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>要求のフィールド「%1」が不明か、ないか、型が正しくありません。</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>add の要求に指定できるのは、テキスト、画像、クリップボードのうち 1 つだけです。</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>要求が大きすぎます。</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline はまだ起動中です。もう一度お試しください。</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline はすでに実行中です。ウィンドウを前面に表示しました。</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline は実行中ですが、応答しませんでした。</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>%1 の保存データを書き込み用にロックできません。</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>保存データが使用中です。もう一度お試しください。</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>標準入力を読み込めません。</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>標準入力が UTF-8 テキストではないため、何も追加しませんでした。</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>クリップボードやブラウザーを使うためのデスクトップセッション（DISPLAY または WAYLAND_DISPLAY）がありません。</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>クリップボードに追加できるものがありません。</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline は項目を保持していますが、まだ保存できていません: %1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>項目を保存できませんでした: %1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>このファイルは存在しません。</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>項目 %1 はありません。「stashline list」の項目番号は 1 から %2 までです。</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>項目 %1 はありません。リストは空です。</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>「%1」は項目番号でも UUID でもありません。</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>項目 %1 はありません。</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>リンクをコピーしました: %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>画像をコピーしました</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>テキストをコピーしました</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>この項目の画像はまだこのコンピューターにありません。</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>この項目にはコピーできるものがありません。</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>この項目にはリンクがありません。</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>%1 を開くプログラムがありませんでした。</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>開きました: %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>追加するものがありません。テキストが空です。</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>保存するものがありません。タイトル、テキスト、画像がすべて空です。</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>画像を %1 に保存できませんでした。</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message id="cloud.error.notAuthenticated">
        <source>You are not signed in to a cloud account.</source>
        <translation>クラウドアカウントにサインインしていません。</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>一部のレコードを保存または読み込めませんでした（%1）。</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>レコード %1 の画像を保存できませんでした: %2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>レコード %1 の画像を読み込めませんでした: %2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>サーバーから名前のないレコードが送られてきました。</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>%1 のクラウドサーバーから読み取れない応答が返されました。</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>%1 のクラウドサーバーが %2 秒以内に応答しませんでした。</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>%1 のクラウドサーバーに接続できません。</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>%1 への安全な接続に失敗しました。サーバーの証明書が受け入れられませんでした。</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>%1 のクラウドサーバーとの接続に失敗しました。</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>%1 のクラウドサーバーはアカウントのユーザー名またはパスワードを受け付けませんでした。</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>このクラウドアカウントには %1 のデータベースを使用する権限がありません。</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>%1 のクラウドデータベースは存在しません。</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>その間にサーバー上でレコードが変更されました。</translation>
    </message>
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>%1 のクラウドサーバーが %2 MB を超える応答を送信したため、読み込みませんでした。</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>リクエストがクラウドサーバーにとって大きすぎました。</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>クラウドサーバーへのリクエストが多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>クラウドデータベースの容量がいっぱいです。</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>%1 のクラウドサーバーで問題が発生しています（エラー %2）。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>%1 のクラウドサーバーがリクエストを別の場所に転送しました。設定済みのデータベースのみが使用されます。</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>%1 のクラウドサーバーがリクエストを拒否しました（エラー %2）。</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>その間にサーバー上でレコード %1 が変更されました。</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>レコード %1 は存在しません。</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>サーバーがレコード %1 の保存を拒否しました。</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>このクラウドアカウントにはレコード %1 を書き込む権限がありません。</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>レコード %1 はクラウドサーバーにとって大きすぎます。</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>サーバーがレコード %1 を拒否しました。</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>クラウドアカウントのアドレスが有効な http または https アドレスではありません。</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>クラウドアカウントのアドレスにデータベースが指定されていません（例: https://host/mydb）。</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>クラウドアカウントのアドレスにクエリやフラグメントを含めることはできません。</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up yet.</source>
        <translation>クラウドアカウントがまだ設定されていません。</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>クラウドアカウントの設定を読み込めません。</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>クラウドアカウントの設定がこのコンピュータの他のユーザーから読み取れるため、使用しません。</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>クラウドアカウントの設定が無効です。</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>保存リスト</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>最近の項目</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>ほかのデバイスへ持っていくメモ、リンク、画像です。</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>クラウドと同期しています…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>クラウドからダウンロードできませんでした</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>まだ何も保存されていません。メモやリンク、画像を追加すると、すべてのデバイスで使えます。</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>新しい項目</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>クラウドからダウンロード</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>お気に入り</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>お気に入りを解除</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>この項目を削除しますか？</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>すべてのデバイスから削除されます。この操作は取り消せません。</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>数日以上前の項目を、保存した日ごとに表示します。</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>履歴はまだありません</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>保存した画像</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>%1までに返却</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>%1に保存</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>同期中</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>同期できませんでした</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>メモを書く、リンクを貼り付ける、画像を添付する。まもなくほかのデバイスにも表示されます。</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>タイトル（任意）</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>メモを入力するか、リンクを貼り付け</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>画像を選択</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>お気に入りにする</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>画像を削除</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>ここに画像をドロップ</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>項目を編集</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>タイトル、内容、画像、お気に入りを変更できます。</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>作成日時</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>最終同期</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline は、メモ・リンク・画像の短いリストをすべてのデバイスでそろえておきます。</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - サポート</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>Stashline を共有</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>メールで送信</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>レビューを書く</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>ヘルプセンター</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>利用規約</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>ほかのアプリ</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>見る</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>すべてのアプリを見る</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>Stashline を開く</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>Stashline を終了</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>クラウドアカウントのアドレスはサーバー %1 に http:// を使っているため、パスワードが暗号化されずに送信されます。https:// を使ってください（http:// は 127.0.0.1 や localhost など、このコンピューターに対してのみ使えます）。</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>開きませんでした：%1 で始まるリンクは、このコンピューターでファイルを開いたりプログラムを実行したりできます。開くのは Web とメールのリンクだけです。</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>開きませんでした：完全な Web アドレスまたはメールアドレスではありません。</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>変更を保存できませんでした</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline を続行できません</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>次の問題のため Stashline を終了します。項目は何も変更されていません。</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>この画像は %1 メガピクセルです。Stashline で扱える画像は %2 メガピクセルまでです。小さい画像を選ぶか、先にサイズを縮小してください。</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>このファイルを画像として読み込めませんでした。</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>ログインして項目を同期</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>ログインしていません。自分のサーバーにログインすると、すべてのデバイスで項目を使えます。</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>%2 に %1 としてログイン中</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>データベース: %1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>最終ダウンロード: %1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>最終アップロード: %1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>まだありません</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>このアカウントは環境変数 STASHLINE_CLOUD_URL で指定されており、このページより優先されます。ここでログインするには、この変数なしで Stashline を起動してください。</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>サーバーにログイン</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>別のアカウントにログイン</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>データベース</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>ログイン</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>ログアウト</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>項目はこのコンピュータに残り、次にログインするアカウントに送られます。</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>接続中…</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>このコンピュータのローカルサーバーを使う</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>アカウントファイルにパスワードを保存</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>同期を設定…</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>サーバーのアドレスを https:// 付きで入力してください（例: https://couch.example.com:6984）。</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>パスや名前を付けずにサーバーのアドレスだけを入力してください: https://host または https://host:port。</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>ユーザー名とパスワードを入力してください。</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>データベース名は英小文字で始まり、英小文字・数字・_$()+- だけを使えます。</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>%1 のサーバーは応答しますが、CouchDB データベースサーバーではありません。</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>サーバーはこのユーザー名とパスワードを受け付けませんでした。</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>データベース %1 は存在せず、このアカウントでは作成できません。サーバーの管理者に作成を依頼するか、使えるデータベースの名前を入力してください。</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>このアカウントはデータベース %1 を使えません。</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>パスワードを保管しているキーリングが応答しませんでした。同期を続けるにはもう一度ログインしてください。</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>パスワードがキーリングにありません。同期を続けるにはもう一度ログインしてください。</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>このデスクトップでは応答するキーリングがないため、パスワードを保管できません。代わりに、あなただけが読める Stashline のアカウントファイルに保存できます。</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>キーリングにパスワードを保存できなかったため、ログインしていません。</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>設定フォルダにアカウントを保存できませんでした。</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>設定フォルダからアカウントを削除できませんでした。</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>ローカルサーバーには Stashline のソースフォルダにある cloud-server ツール（Node.js パッケージ付き）と Node.js が必要ですが、このインストールにはありません。</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>ローカルサーバーが起動しませんでした。</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>Stashline のパネルを開く</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>一部のファイルを追加できませんでした</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>このファイルは画像でもテキストでもありません。</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>この端末に保存</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>アイテムはこのコンピュータに保存されています。ほかのデバイスでも使うには、同期を設定してください。</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>同期は一時停止しています</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
</context>
</TS>
