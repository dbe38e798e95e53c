<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
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
        <source>No cloud account is set up. Set STASHLINE_CLOUD_URL or create %1.</source>
        <translation>尚未设置云账户。请设置 STASHLINE_CLOUD_URL 或创建 %1。</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account file %1 cannot be read.</source>
        <translation>无法读取云账户文件 %1。</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account file %1 can be read by other users. Make it private with: chmod 600 %1</source>
        <translation>其他用户可以读取云账户文件 %1。请用以下命令将其设为私有：chmod 600 %1</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account file %1 is not valid: it needs a JSON object with "url".</source>
        <translation>云账户文件 %1 无效：需要一个包含“url”的 JSON 对象。</translation>
    </message>
</context>
</TS>
