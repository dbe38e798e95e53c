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
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>%1의 클라우드 서버가 %2MB보다 큰 응답을 보내 읽지 않았습니다.</translation>
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
        <source>No cloud account is set up yet.</source>
        <translation>아직 설정된 클라우드 계정이 없습니다.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>클라우드 계정 설정을 읽을 수 없습니다.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>이 컴퓨터의 다른 사용자가 클라우드 계정 설정을 읽을 수 있으므로 사용하지 않습니다.</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>클라우드 계정 설정이 올바르지 않습니다.</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>보관함</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>최근 항목</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>다른 기기로 가져갈 메모, 링크, 이미지입니다.</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>클라우드와 동기화 중…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>클라우드에서 다운로드하지 못했습니다</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>아직 저장된 항목이 없습니다. 메모, 링크 또는 이미지를 추가하면 모든 기기에서 볼 수 있습니다.</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>새 항목</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>클라우드에서 다운로드</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>즐겨찾기</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>즐겨찾기 해제</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>이 항목을 삭제할까요?</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>모든 기기에서 삭제되며 되돌릴 수 없습니다.</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>며칠 지난 항목을 저장한 날짜별로 보여 줍니다.</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>아직 기록이 없습니다</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>저장된 이미지</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>메모</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>링크</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>이미지</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>%1까지 반납</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>%1에 저장</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>동기화 중</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>동기화됨</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>동기화 실패</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>재시도</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>메모를 쓰거나 링크를 붙여 넣거나 이미지를 첨부하세요. 곧 다른 기기에도 나타납니다.</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>제목(선택 사항)</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>내용</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>메모를 입력하거나 링크를 붙여 넣으세요</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>이미지</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>이미지 선택</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>즐겨찾기로 표시</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>이미지 제거</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>이미지</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>여기에 이미지를 놓으세요</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>항목 편집</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>제목, 내용, 이미지 또는 즐겨찾기를 변경하세요.</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>생성일</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>마지막 동기화</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline은 메모, 링크, 이미지의 짧은 목록을 모든 기기에서 맞춰 줍니다.</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - 지원</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>Stashline 공유</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>링크 복사</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>이메일로 보내기</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>리뷰 작성</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>도움말 센터</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>이용 약관</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>다른 앱</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>모든 앱 보기</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>Stashline 열기</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>Stashline 종료</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>클라우드 계정 주소가 서버 %1에 http://를 사용하므로 암호가 암호화되지 않은 채 전송됩니다. https://를 사용하세요(http://는 127.0.0.1이나 localhost 같은 이 컴퓨터에만 허용됩니다).</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>열지 않음: %1(으)로 시작하는 링크는 이 컴퓨터에서 파일을 열거나 프로그램을 실행할 수 있습니다. 웹 링크와 이메일 링크만 엽니다.</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>열지 않음: 완전한 웹 주소나 이메일 주소가 아닙니다.</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>변경 사항을 저장할 수 없습니다</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline을 계속할 수 없습니다</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>아래 문제 때문에 Stashline을 종료해야 합니다. 항목은 변경되지 않았습니다.</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>이 사진은 %1메가픽셀입니다. Stashline은 최대 %2메가픽셀의 사진을 받습니다. 더 작은 사진을 선택하거나 먼저 크기를 줄이세요.</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>이 파일을 사진으로 읽을 수 없습니다.</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>항목을 동기화하려면 로그인하세요</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>로그인되어 있지 않습니다. 모든 기기에서 항목을 보려면 자신의 서버에 로그인하세요.</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>%2에 %1(으)로 로그인됨</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>데이터베이스: %1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>마지막 다운로드: %1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>마지막 업로드: %1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>아직 없음</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>이 계정은 STASHLINE_CLOUD_URL 환경 변수로 지정되어 이 페이지보다 우선합니다. 여기서 로그인하려면 이 변수 없이 Stashline을 시작하세요.</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>서버에 로그인</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>다른 계정으로 로그인</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>데이터베이스</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>로그아웃</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>항목은 이 컴퓨터에 남아 있으며 다음에 로그인하는 계정으로 올라갑니다.</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>연결 중…</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>이 컴퓨터의 로컬 서버 사용</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>계정 파일에 암호 보관</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>동기화 설정…</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>서버 주소를 https://와 함께 입력하세요(예: https://couch.example.com:6984).</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>경로나 이름 없이 서버 주소만 입력하세요: https://host 또는 https://host:port.</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>사용자 이름과 암호를 입력하세요.</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>데이터베이스 이름은 영문 소문자로 시작하고 소문자, 숫자, _$()+-만 쓸 수 있습니다.</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>%1의 서버가 응답하지만 CouchDB 데이터베이스 서버가 아닙니다.</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>서버가 이 사용자 이름과 암호를 받아들이지 않았습니다.</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>데이터베이스 %1이(가) 없고 이 계정으로는 만들 수 없습니다. 서버 관리자에게 만들어 달라고 하거나 사용할 수 있는 데이터베이스 이름을 입력하세요.</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>이 계정은 데이터베이스 %1을(를) 사용할 수 없습니다.</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>암호를 보관하는 키링이 응답하지 않았습니다. 계속 동기화하려면 다시 로그인하세요.</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>암호가 키링에 없습니다. 계속 동기화하려면 다시 로그인하세요.</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>이 데스크톱에서 응답하는 키링이 없어 암호를 그곳에 보관할 수 없습니다. 대신 본인만 읽을 수 있는 Stashline 계정 파일에 보관할 수 있습니다.</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>키링에 암호가 저장되지 않아 로그인되지 않았습니다.</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>설정 폴더에 계정을 저장할 수 없습니다.</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>설정 폴더에서 계정을 제거할 수 없습니다.</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>로컬 서버에는 Stashline 소스 폴더의 cloud-server 도구(Node.js 패키지 포함)와 Node.js가 필요하지만 이 설치에는 없습니다.</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>로컬 서버가 시작되지 않았습니다.</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>Stashline 패널 열기</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>일부 파일을 추가하지 못했습니다</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>닫기</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>이 파일은 이미지도 텍스트도 아닙니다.</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>이 컴퓨터에 보관</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>항목은 이 컴퓨터에 보관됩니다. 다른 기기에서도 보려면 동기화를 설정하세요.</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>동기화가 일시 중지됨</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
</context>
</TS>
