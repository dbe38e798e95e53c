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
        <translation>使い方: stashline [ファイル|URL]...
または: stashline add [--title タイトル] [--favorite] テキスト|-|--image ファイル|--clipboard
または: stashline list [--json] [--favorites|--history|--trash] [--search 検索語]
または: stashline copy 項目
または: stashline open 項目
または: stashline delete|restore 項目
または: stashline export|import ファイル
または: stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
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
    --trash              最近削除した項目だけ（独自の番号付き）
    --search 検索語      検索語に一致する項目だけを、各セクションで一致度の高い順に:
                         単語、"語句"、-単語、is:fav、is:note、is:link、is:picture、
                         site:ホスト、before:YYYY-MM-DD、after:...
  copy 項目              項目のリンク、テキスト、画像をクリップボードにコピーします
  open 項目              項目のリンクをブラウザーまたはメールソフトで開きます
  delete 項目            項目を最近削除した項目に移動します（30 日間保管）
  restore 項目           最近削除した項目から項目を復元します。項目には UUID か
                         「stashline list --trash」での番号を指定します
  export ファイル        最近削除した項目を含むすべての項目と画像を 1 つの
                         アーカイブ（.zip）に書き出します
  import ファイル        書き出しファイル、ブラウザーのブックマーク（.html）、
                         テキストまたは Markdown のメモ（.txt、.md）を読み込みます。
                         既存の項目は照合され、重複しません
  account status         サーバー、ユーザー、データベース、暗号化の有無と、
    --json               このコンピューターが鍵を持っているかを表示します
  account sign-in URL --user 名前 [--database DB]
                         ログインします。パスワードは標準入力から読み込みます
  account sign-out       ログアウトします。項目はこのコンピューターに残ります
  account encrypt        パスフレーズ（標準入力）でアカウントを暗号化します
  account unlock         パスフレーズ（標準入力）でこのコンピューターに鍵を取り込みます
  account change-passphrase
                         同じ鍵を新しいパスフレーズ（標準入力）で保護し直します
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
list --search は、一致する項目がないと 1 で終了します。
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
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list には --favorites、--history、--trash のどれか 1 つだけを指定できます</translation>
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
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>すべての項目を検索</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>検索をクリア</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>フィルタ</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>「%1」に一致する項目はありません</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>サイトを指定…</translation>
    </message>
    <message id="share.search.filter.lastWeek">
        <source>Last 7 Days</source>
        <translation>過去7日間</translation>
    </message>
    <message id="share.search.filter.lastMonth">
        <source>Last 30 Days</source>
        <translation>過去30日間</translation>
    </message>
    <message id="share.search.filter.olderThanYear">
        <source>Older Than a Year</source>
        <translation>1年以上前</translation>
    </message>
    <message id="share.search.filter.leaveOut">
        <source>Leave Out a Word…</source>
        <translation>単語を除外…</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search には単語かフィルタを含む検索語を 1 つ指定してください</translation>
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
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>%1 件の項目を復号できませんでした。サーバー上で変更されたか、別の鍵で暗号化されています。このデバイスではそのまま残します。</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>このバージョンの Stashline では、サーバー上の暗号化キーを読み取れません（%1）。</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>サーバーはまだ古いバージョンの整理を終えていません。</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>このアカウントは暗号化されています。同期するにはパスフレーズを入力してください。</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>レコード %1 の画像は、サーバー上で変更されたか、別の鍵で暗号化されています。</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>ほかのデバイスが暗号化されていない項目を書き込み続けました。暗号化は後で続行します。</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>このパスフレーズではこのアカウントの鍵を開けません。何も変更されていません。</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>別のデバイスが先に、別のパスフレーズでこのアカウントを暗号化しました。ここで同期するには、そのパスフレーズを入力してください。</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>その間に、別のデバイスでアカウントの鍵が変更されました。そのパスフレーズを入力してから、もう一度お試しください。</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>先にアカウントにログインしてください。</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>%1 文字以上のパスフレーズを決めてください。</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>このアカウントは暗号化されていません。</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>このデバイスに鍵を保存できませんでした。次回の起動時にもう一度パスフレーズを尋ねます。</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>先に現在のパスフレーズを入力してください。このデバイスはアカウントの鍵を持っていません。</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>確認のため、データベース名を正確に入力してください。</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>別の暗号化の変更がまだ実行中です。</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>すべて暗号化されました。サーバーがこのアカウントに古いバージョンの整理を許可しなかったため、暗号化前の古いバージョンの項目がまだサーバーに残っている可能性があります。</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>サーバーがこのアカウントに古いバージョンの整理を許可しませんでした。暗号化前の古いバージョンの項目がまだ残っている可能性があります。削除するには、サーバーの管理者にデータベースのコンパクションを依頼するか、新しいデータベースに移ってください。</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>パスフレーズを確認しています…</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>アカウントの鍵を作成しています…</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>サーバー上のすべての項目を暗号化しています…</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>サーバーから暗号化前の古いバージョンを削除しています…</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>このアカウントはサーバー上の古いバージョンを整理できないため、新しいデータベースに移っています…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>サーバーがこのアカウントに古いバージョンの整理を許可しない場合、暗号化の際に項目を同じサーバーの新しいデータベースに移し、古いデータベースは空にします。</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>すべて暗号化されました。サーバーがこのアカウントに古いバージョンの整理を許可しなかったため、アカウントを新しいデータベース %1 に移し、古いデータベースを削除しました。</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>すべて暗号化されました。サーバーがこのアカウントに古いバージョンの整理を許可しなかったため、アカウントを新しいデータベース %1 に移しました。古いデータベースは空にしましたが、サーバーが削除を許可しなかったため、暗号化前の古いバージョンが残っている可能性があります。</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>サーバーがこのアカウントに古いバージョンの整理を許可しないため、このアカウントはデータベース %1 からここに移りました。このデータベースには暗号化前のバージョンはありません。</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>サーバーがこのアカウントに古いデータベース %1 の削除を許可しませんでした。暗号化前の古いバージョンの項目が残っている可能性があります。サーバーの管理者に削除を依頼してください。</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>ほかのデバイスが古いデータベースへの書き込みを続けました。移動は後で続行します。</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>パスフレーズを変更しています…</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>クラウドのコピーを消去して最初からやり直しています…</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>エンドツーエンド暗号化</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>オフ。サーバーを運用またはバックアップする人は、タイトル、メモ、リンク、画像を読めます。</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>このアカウントは暗号化されていて、このデバイスはまだ鍵を持っていません。同期するにはパスフレーズを入力してください。それまでは何も送受信せず、追加した項目はこのコンピューターで待機します。</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>オン。タイトル、メモ、リンク、画像とその変更時刻は、送信前にこのデバイスで、あなたのデバイスだけが持つ鍵で暗号化されます。</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>このアカウントが暗号化されているかどうか、サーバーからまだ応答がありません。</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>暗号化をオンにしても、サーバーにはアカウントの存在、項目の数、サイズ、変更のタイミング、ID は見えますが、内容は一切見えません。</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>サーバーに見えるのは、アカウントの存在、項目の数、サイズ、変更のタイミング、ID だけです。タイトル、メモ、リンク、画像、変更時刻は読めません。</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>新しいパスフレーズ</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>もう一度</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>2 つのパスフレーズが一致しません。</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>パスフレーズは安全な場所に保管してください。誰にも復元できません。パスフレーズがないと、新しいデバイスでは項目を読めません。</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>パスフレーズで暗号化</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>パスフレーズを入力</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>パスフレーズを変更</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>もう一度確認</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>パスフレーズを忘れた場合</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>「最初からやり直す」は、このアカウントがサーバーに保存しているものをすべて消去し、このデバイスの項目を新しいパスフレーズでアップロードし直します。ほかのデバイスは新しいパスフレーズを求め、入力されると、このデバイスにない項目を送り返します。</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>最初からやり直す…</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>確認のため、データベース名を入力してください: %1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>消去してやり直す</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>同期するにはパスフレーズを入力してください</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>アカウントは暗号化されています。それまでは何も送受信せず、新しい項目はここで待機します。</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>別のデバイスで、新しいパスフレーズでアカウントがやり直されました。入力すると、このデバイスの項目を送り返します。</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>サーバーからアカウントの鍵がなくなりました。暗号化されないまま送信しないよう、同期を一時停止しています。</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>パスフレーズを入力…</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>暗号化: オフ（サーバーは項目を読めます）</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>暗号化: オン。このコンピューターは鍵を持っていません（「stashline account unlock」を実行）</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>暗号化: オン。このコンピューターは鍵を持っています</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>暗号化: 不明（サーバーが応答しませんでした）</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>アカウントは STASHLINE_CLOUD_URL で指定されているため、ここでは変更できません。</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>ログアウトしました。項目はこのコンピューターに残ります。</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>ログインしていません。項目はこのコンピューターに保存されています。</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>サーバー: %1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>ユーザー: %1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>データベース: %1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>ログインしました。</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>ここではキーリングが応答しないため、パスワードはあなただけが読めるアカウントファイルに保存します。</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>暗号化しました。サーバーには、読めないデータだけが保存されます。</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>ロックを解除しました。このコンピューターは再び同期します。</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>パスフレーズを変更しました。鍵を持つデバイスは同期を続けます。新しいデバイスには新しいパスフレーズが必要です。</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>パスフレーズ:</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>もう一度:</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>標準入力からパスワードが届きませんでした。</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>標準入力からパスフレーズが届きませんでした。</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>「account」に続けられるのは status、sign-in、sign-out、encrypt、unlock、change-passphrase です（「%1」は使えません）。</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>「account sign-in」にはサーバーのアドレスと --user 名前が必要です。</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>「account %1」は引数を取りません。</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>最近削除した項目</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>最近削除した項目（%1）</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>今すぐ削除</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>ゴミ箱を空にする</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>最近削除した項目をすべて完全に削除しますか？（%1）</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>完全に削除されるまでの日数: %1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>最近削除した項目はありません。削除した項目はここに %1 日間保管され、その後完全に削除されます。</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>「%1」を削除しました</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>削除した項目: %1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>お気に入り</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>書き出す…</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>読み込む…</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>すべての項目を書き出す</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Stashline の書き出しファイル</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>項目を読み込む</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>書き出しファイル、ブックマーク、メモ</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>このコンピューター上のファイルを選んでください。</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>%3 に書き出しました。項目: %1、画像: %2</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>書き出しファイルを書き込めませんでした: %1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>未保存の変更を保存できなかったため、何も書き出していません: %1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>読み込みました。新規: %1、更新: %2、最新のまま: %3</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>アーカイブが壊れているか不完全です。何も読み込んでいません。</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>新しいバージョンの Stashline で作成されたアーカイブです。読み込むには Stashline をアップデートしてください。何も読み込んでいません。</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 は大きすぎて読み込めません。何も読み込んでいません。</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>アーカイブ内の %1 は JPEG 画像ではありません。何も読み込んでいません。</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>ファイル %1 はありません。</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>%1 を読み取れません。</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1 にはテキストがありません。何も読み込んでいません。</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1 は Stashline で読み込めるファイルではありません。Stashline の書き出しファイル（.zip）、ブラウザーのブックマークファイル（.html）、テキストまたは Markdown のメモ（.txt、.md）を選んでください。</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>読み込むファイルを展開する場所がありません。何も読み込んでいません: %1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>読み込んだ項目を保存できませんでした。何も読み込んでいません: %1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>「%1」を最近削除した項目に移動しました。%2 日後に完全に削除されます。</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>「%1」を復元しました。</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>最近削除した項目は空です。</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>最近削除した項目に %1 番の項目はありません。項目数: %2（「stashline list --trash」を参照）</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>項目 %1 は最近削除した項目にありません。</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>項目 %1 は最近削除した項目にあります。先に復元してください（「stashline restore」）。</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1 にはファイルを 1 つ指定してください</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>送信済み</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>写真を撮る</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>この画像を読み込めませんでした。</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>オフラインです。変更はこのスマートフォンに保存され、接続が戻ると送信されます。</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>サーバーに接続できません。再試行しています…</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>項目は暗号化されています</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>パスフレーズを入力すると、項目の表示と同期ができます。それまでこのページは何も表示せず、何も変更しません。</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>確認しています…</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>このパスフレーズでは項目を開けません。何も変更されていません。</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>スマートフォンで開く</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>Stashline のウェブアプリをサーバーの項目と同じ場所に置きます。スマートフォンのブラウザが同じアカウントで開き、オフラインでも使えるコピーを保持します。</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>サーバーに公開</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>公開しています…</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>スマートフォンでこのアドレスを開くか、コードを読み取ってください。</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>このサーバーはこのコンピューター（127.0.0.1）で動いているため、スマートフォンからは接続できません。ホスティングされた CouchDB や HTTPS の背後に置いた自前のサーバーなど、スマートフォンから届くサーバーにサインインしてから、もう一度公開してください。</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>ウェブアプリを公開できませんでした: %1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>アドレスの QR コード</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>この Stashline のビルドにはウェブアプリが含まれていません。</translation>
    </message>
</context>
</TS>
