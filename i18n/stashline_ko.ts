<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>즐겨찾기</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message id="cloud.error.notAuthenticated">
        <source>You are not signed in to a cloud account.</source>
        <translation>클라우드 계정에 로그인되어 있지 않습니다.</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>일부 레코드를 저장하거나 읽을 수 없습니다(%1).</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>레코드 %1의 사진을 저장할 수 없습니다: %2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>레코드 %1의 사진을 읽을 수 없습니다: %2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>서버가 이름이 없는 레코드를 보냈습니다.</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>%1의 클라우드 서버가 읽을 수 없는 응답을 보냈습니다.</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>%1의 클라우드 서버가 %2초 안에 응답하지 않았습니다.</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>%1의 클라우드 서버에 연결할 수 없습니다.</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>%1에 대한 보안 연결에 실패했습니다. 서버 인증서가 승인되지 않았습니다.</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>%1의 클라우드 서버와의 연결에 실패했습니다.</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>%1의 클라우드 서버가 계정의 사용자 이름 또는 암호를 거부했습니다.</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>클라우드 계정은 %1의 데이터베이스를 사용할 권한이 없습니다.</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>%1의 클라우드 데이터베이스가 존재하지 않습니다.</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>그 사이에 서버에서 레코드가 변경되었습니다.</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>요청이 클라우드 서버가 처리하기에 너무 큽니다.</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>클라우드 서버에 요청이 너무 많습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>클라우드 데이터베이스가 가득 찼습니다.</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>%1의 클라우드 서버에 문제가 있습니다(오류 %2). 나중에 다시 시도하십시오.</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>%1의 클라우드 서버가 요청을 다른 곳으로 보냈습니다. 설정된 데이터베이스만 사용됩니다.</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>%1의 클라우드 서버가 요청을 거부했습니다(오류 %2).</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>그 사이에 서버에서 레코드 %1이(가) 변경되었습니다.</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>레코드 %1이(가) 존재하지 않습니다.</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>서버가 레코드 %1의 저장을 거부했습니다.</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>클라우드 계정은 레코드 %1을(를) 쓸 권한이 없습니다.</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>레코드 %1이(가) 클라우드 서버에 비해 너무 큽니다.</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>서버가 레코드 %1을(를) 거부했습니다.</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>클라우드 계정 주소가 올바른 http 또는 https 주소가 아닙니다.</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>클라우드 계정 주소에 데이터베이스가 지정되어 있지 않습니다(예: https://host/mydb).</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>클라우드 계정 주소에는 쿼리나 프래그먼트가 있으면 안 됩니다.</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up. Set STASHLINE_CLOUD_URL or create %1.</source>
        <translation>설정된 클라우드 계정이 없습니다. STASHLINE_CLOUD_URL을 설정하거나 %1을(를) 만드십시오.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account file %1 cannot be read.</source>
        <translation>클라우드 계정 파일 %1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account file %1 can be read by other users. Make it private with: chmod 600 %1</source>
        <translation>다른 사용자가 클라우드 계정 파일 %1을(를) 읽을 수 있습니다. 다음 명령으로 비공개로 설정하십시오: chmod 600 %1</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account file %1 is not valid: it needs a JSON object with "url".</source>
        <translation>클라우드 계정 파일 %1이(가) 올바르지 않습니다. "url"이 있는 JSON 객체가 필요합니다.</translation>
    </message>
</context>
</TS>
