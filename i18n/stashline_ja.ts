<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
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
        <source>No cloud account is set up. Set STASHLINE_CLOUD_URL or create %1.</source>
        <translation>クラウドアカウントが設定されていません。STASHLINE_CLOUD_URL を設定するか、%1 を作成してください。</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account file %1 cannot be read.</source>
        <translation>クラウドアカウントファイル %1 を読み込めません。</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account file %1 can be read by other users. Make it private with: chmod 600 %1</source>
        <translation>クラウドアカウントファイル %1 は他のユーザーから読み取れます。次のコマンドで非公開にしてください: chmod 600 %1</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account file %1 is not valid: it needs a JSON object with "url".</source>
        <translation>クラウドアカウントファイル %1 が無効です。"url" を含む JSON オブジェクトが必要です。</translation>
    </message>
</context>
</TS>
