<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
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
        <translation>사용법: stashline [파일|URL]...
  또는: stashline add [--title 제목] [--favorite] 텍스트|-|--image 파일|--clipboard
  또는: stashline list [--json] [--favorites|--history|--trash] [--search 검색어]
  또는: stashline copy 항목
  또는: stashline open 항목
  또는: stashline delete|restore 항목
  또는: stashline export|import 파일
  또는: stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
메모, 링크, 사진을 보관해 다른 기기로 가져갑니다.

인수 없이 실행하면 Stashline을 시작하거나 창을 앞으로 가져옵니다. 파일과 URL은
각각 항목 하나가 됩니다. 사진 파일은 사진, 텍스트 파일은 메모가 되며 둘 다 파일
이름이 제목이 됩니다. URL은 링크가 됩니다. 없거나 추가할 수 없는 파일은 한 줄씩
알려 주고 나머지는 추가합니다.

명령:
  add 텍스트...          메모를 추가합니다(텍스트가 스킴이 있는 URL이면 링크)
  add -                  표준 입력에서 읽은 텍스트를 추가합니다
    -t, --title 제목     항목에 제목을 붙입니다(생략하면 사진은 파일 이름)
    -f, --favorite       항목을 즐겨찾기로 표시합니다
    -i, --image 파일     파일의 사진을 추가합니다(JPEG, PNG, WebP, GIF 등)
    -c, --clipboard      클립보드의 내용(사진, 링크, 텍스트)을 추가합니다
  list                   창과 같이 묶은 항목을 번호와 함께 나열합니다
    --json               JSON 배열로 출력합니다(uuid, title, content, kind, favorite,
                         created, syncStatus, group, section)
    --favorites          오래된 즐겨찾기만
    --history            기록만
    --trash              최근 삭제된 항목만, 별도 번호로
    --search 검색어      검색어와 일치하는 항목만, 섹션마다 가장 잘 맞는 항목부터:
                         단어, "구문", -단어, is:fav, is:note, is:link, is:picture,
                         site:호스트, before:YYYY-MM-DD, after:...
  copy 항목              항목의 링크, 텍스트 또는 사진을 클립보드에 복사합니다
  open 항목              항목의 링크를 브라우저나 메일 프로그램에서 엽니다
  delete 항목            항목을 최근 삭제된 항목으로 옮깁니다(30일 보관)
  restore 항목           최근 삭제된 항목에서 항목을 복구합니다. 항목에는 UUID나
                         'stashline list --trash'의 번호를 지정합니다
  export 파일            최근 삭제된 항목을 포함한 모든 항목과 사진을 압축 파일
                         (.zip) 하나에 씁니다
  import 파일            내보내기 파일, 브라우저 북마크 파일(.html), 텍스트나
                         Markdown 메모(.txt, .md)를 가져옵니다. 이미 있는 항목은
                         중복되지 않습니다
  account status         서버, 사용자, 데이터베이스, 암호화 여부와
    --json               이 컴퓨터에 키가 있는지 표시합니다
  account sign-in URL --user 이름 [--database DB]
                         로그인합니다. 암호는 표준 입력에서 읽습니다
  account sign-out       로그아웃합니다. 항목은 이 컴퓨터에 남습니다
  account encrypt        암호 문구(표준 입력)로 계정을 암호화합니다
  account unlock         암호 문구(표준 입력)로 이 컴퓨터에 키를 가져옵니다
  account change-passphrase
                         같은 키를 새 암호 문구(표준 입력)로 보관합니다
항목은 항목의 UUID이거나 'stashline list'에 나오는 번호입니다.

옵션:
      --panel            트레이 패널을 엽니다(키보드 단축키에 지정해 두세요)
  -h, --help             이 도움말을 보여 주고 끝냅니다
      --version          버전을 보여 주고 끝냅니다

Stashline이 실행 중이면 Stashline이 직접 명령을 실행하므로 새 항목이 바로
표시되고 업로드됩니다. 실행 중이 아니면 명령이 저장소에 직접 쓰고, 다음에
Stashline을 시작할 때 추가한 항목을 업로드합니다. STASHLINE_GROUP_DIR로 다른
저장소를 고를 수 있습니다. 터미널에서는 제목의 제어 문자를 이스케이프해
표시합니다(\x1B, \u202E).

종료 상태: 0 완료, 1 실패(이유는 표준 오류에 있음), 2 잘못된 사용.
list --search는 일치하는 항목이 없으면 1로 끝납니다.
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>자세한 내용은 'stashline --help'를 실행해 보세요.</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add에는 텍스트, '-', --image 파일, --clipboard 중 하나가 필요합니다</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add에는 텍스트, '-', --image 파일, --clipboard 중 하나만 줄 수 있습니다</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add에는 --title과 --image를 한 번씩만 줄 수 있습니다</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list에는 인수를 줄 수 없습니다</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list에는 --favorites, --history, --trash 중 하나만 쓸 수 있습니다</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1에는 항목 하나를 줍니다: 그 UUID 또는 'stashline list'에 나오는 번호</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>인수 중 하나가 올바른 UTF-8 텍스트가 아닙니다</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>알 수 없는 옵션 '%1'</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>'%1'은(는) 명령도, 파일도, URL도 아닙니다</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>요청이 한 줄짜리 JSON 객체가 아닙니다.</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>알 수 없는 요청 '%1'입니다.</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>요청의 '%1' 필드를 알 수 없거나, 없거나, 형식이 잘못되었습니다.</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>add 요청에는 텍스트, 이미지, 클립보드 중 하나만 줄 수 있습니다.</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>요청이 너무 큽니다.</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline이 아직 시작하는 중입니다. 다시 시도하세요.</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline이 이미 실행 중이어서 창을 앞으로 가져왔습니다.</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline이 실행 중이지만 응답하지 않았습니다.</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>%1의 저장소를 쓰기용으로 잠글 수 없습니다.</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>저장소가 사용 중입니다. 다시 시도하세요.</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>표준 입력을 읽을 수 없습니다.</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>표준 입력이 UTF-8 텍스트가 아니어서 아무것도 추가하지 않았습니다.</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>클립보드나 브라우저를 쓸 데스크톱 세션(DISPLAY 또는 WAYLAND_DISPLAY)이 없습니다.</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>클립보드에 추가할 내용이 없습니다.</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline이 항목을 보관하고 있지만 아직 저장하지 못했습니다: %1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>항목을 저장하지 못했습니다: %1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>이 파일이 없습니다.</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>항목 %1이(가) 없습니다. 'stashline list'의 항목 번호는 1부터 %2까지입니다.</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>항목 %1이(가) 없습니다. 목록이 비어 있습니다.</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>'%1'은(는) 항목 번호도 UUID도 아닙니다.</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>항목 %1이(가) 없습니다.</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>링크를 복사했습니다: %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>사진을 복사했습니다</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>텍스트를 복사했습니다</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>이 항목의 사진이 아직 이 컴퓨터에 없습니다.</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>항목에 복사할 내용이 없습니다.</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>항목에 링크가 없습니다.</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>%1을(를) 연 프로그램이 없습니다.</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>열었습니다: %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>추가할 내용이 없습니다. 텍스트가 비어 있습니다.</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>저장할 내용이 없습니다. 제목, 텍스트, 사진이 모두 비어 있습니다.</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>사진을 %1에 저장하지 못했습니다.</translation>
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
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>모든 항목 검색</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>검색어 지우기</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>필터</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>“%1”과(와) 일치하는 항목이 없습니다</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>즐겨찾기</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>메모</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>링크</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>이미지</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>특정 사이트…</translation>
    </message>
    <message id="share.search.filter.lastWeek">
        <source>Last 7 Days</source>
        <translation>최근 7일</translation>
    </message>
    <message id="share.search.filter.lastMonth">
        <source>Last 30 Days</source>
        <translation>최근 30일</translation>
    </message>
    <message id="share.search.filter.olderThanYear">
        <source>Older Than a Year</source>
        <translation>1년 이상 지난 항목</translation>
    </message>
    <message id="share.search.filter.leaveOut">
        <source>Leave Out a Word…</source>
        <translation>단어 제외…</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search에는 단어나 필터가 있는 검색어를 한 번 지정해야 합니다</translation>
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
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>항목 %1개를 복호화하지 못했습니다. 서버에서 변경되었거나 다른 키로 암호화되었습니다. 이 기기에서는 그대로 유지됩니다.</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>이 버전의 Stashline은 서버의 암호화 키를 읽을 수 없습니다(%1).</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>서버가 아직 이전 버전 정리를 마치지 않았습니다.</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>이 계정은 암호화되어 있습니다. 동기화하려면 암호 문구를 입력하세요.</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>레코드 %1의 사진이 서버에서 변경되었거나 다른 키로 암호화되었습니다.</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>다른 기기가 계속 암호화되지 않은 항목을 기록했습니다. 암호화는 나중에 계속됩니다.</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>이 암호 문구로는 이 계정의 키를 열 수 없습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>다른 기기가 다른 암호 문구로 이 계정을 먼저 암호화했습니다. 여기서 동기화하려면 그 암호 문구를 입력하세요.</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>그사이 다른 기기에서 계정 키가 변경되었습니다. 그 암호 문구를 입력한 뒤 다시 시도하세요.</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>먼저 계정에 로그인하세요.</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>%1자 이상의 암호 문구를 정하세요.</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>이 계정은 암호화되어 있지 않습니다.</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>이 기기에 키를 보관하지 못했습니다. 다음에 시작할 때 암호 문구를 다시 묻습니다.</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>먼저 현재 암호 문구를 입력하세요. 이 기기에는 계정 키가 없습니다.</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>확인하려면 데이터베이스 이름을 정확히 입력하세요.</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>다른 암호화 변경이 아직 진행 중입니다.</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>이제 모두 암호화되었습니다. 서버가 이 계정에 이전 버전 정리를 허용하지 않아, 암호화되지 않은 이전 버전의 항목이 아직 서버에 남아 있을 수 있습니다.</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>서버가 이 계정에 이전 버전 정리를 허용하지 않았습니다. 암호화되지 않은 이전 버전의 항목이 아직 남아 있을 수 있습니다. 지우려면 서버 관리자에게 데이터베이스 압축을 요청하거나 새 데이터베이스로 옮기세요.</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>암호 문구 확인 중…</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>계정 키를 만드는 중…</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>서버의 모든 항목을 암호화하는 중…</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>서버에서 암호화되지 않은 이전 버전을 지우는 중…</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>이 계정은 서버에서 이전 버전을 정리할 수 없어 새 데이터베이스로 옮기는 중입니다…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>서버가 이 계정에 이전 버전 정리를 허용하지 않으면, 암호화할 때 항목을 같은 서버의 새 데이터베이스로 옮기고 이전 데이터베이스는 비웁니다.</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>이제 모두 암호화되었습니다. 서버가 이 계정에 이전 버전 정리를 허용하지 않아, 계정을 새 데이터베이스 %1(으)로 옮기고 이전 데이터베이스를 삭제했습니다.</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>이제 모두 암호화되었습니다. 서버가 이 계정에 이전 버전 정리를 허용하지 않아, 계정을 새 데이터베이스 %1(으)로 옮겼습니다. 이전 데이터베이스는 비웠지만 서버가 삭제를 허용하지 않아, 암호화되지 않은 이전 버전이 남아 있을 수 있습니다.</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>서버가 이 계정에 이전 버전 정리를 허용하지 않아, 이 계정은 데이터베이스 %1에서 이곳으로 옮겨졌습니다. 이 데이터베이스에는 암호화되지 않은 버전이 없습니다.</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>서버가 이 계정에 이전 데이터베이스 %1의 삭제를 허용하지 않았습니다. 암호화되지 않은 이전 버전의 항목이 남아 있을 수 있습니다. 서버 관리자에게 삭제를 요청하세요.</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>다른 기기가 이전 데이터베이스에 계속 기록했습니다. 이동은 나중에 이어집니다.</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>암호 문구를 바꾸는 중…</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>클라우드 사본을 지우고 새로 시작하는 중…</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>종단 간 암호화</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>꺼짐. 서버를 운영하거나 백업하는 사람은 누구나 제목, 메모, 링크, 사진을 읽을 수 있습니다.</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>이 계정은 암호화되어 있으며 이 기기에는 아직 키가 없습니다. 동기화하려면 암호 문구를 입력하세요. 그때까지는 아무것도 보내거나 받지 않으며, 추가한 항목은 이 컴퓨터에서 기다립니다.</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>켜짐. 제목, 메모, 링크, 사진과 변경 시각은 보내기 전에 이 기기에서, 내 기기만 가진 키로 암호화됩니다.</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>서버가 아직 이 계정의 암호화 여부를 알려 주지 않았습니다.</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>암호화를 켜도 서버는 계정이 있다는 것, 항목 수, 크기, 변경 시점, ID는 볼 수 있지만 내용은 전혀 볼 수 없습니다.</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>서버가 여전히 볼 수 있는 것: 계정이 있다는 것, 항목 수, 크기, 변경 시점, ID. 제목, 메모, 링크, 사진, 변경 시각은 읽을 수 없습니다.</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>암호 문구</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>새 암호 문구</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>다시 입력</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>두 암호 문구가 다릅니다.</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>암호 문구를 안전한 곳에 보관하세요. 누구도 복구할 수 없으며, 암호 문구가 없으면 새 기기에서 항목을 읽을 수 없습니다.</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>암호 문구로 암호화</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>암호 문구 입력</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>암호 문구 변경</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>다시 확인</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>암호 문구를 잊으셨나요?</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>새로 시작하면 이 계정이 서버에 보관한 모든 것을 지우고, 이 기기의 항목을 새 암호 문구로 업로드합니다. 다른 기기는 새 암호 문구를 묻고, 입력하면 이 기기에 없는 항목을 다시 보냅니다.</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>새로 시작…</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>확인하려면 데이터베이스 이름을 입력하세요: %1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>지우고 새로 시작</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>동기화하려면 암호 문구를 입력하세요</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>계정이 암호화되어 있습니다. 그때까지는 아무것도 보내거나 받지 않으며, 새 항목은 여기서 기다립니다.</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>다른 기기에서 새 암호 문구로 계정을 새로 시작했습니다. 입력하면 이 기기의 항목을 다시 보냅니다.</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>서버에서 계정 키가 사라졌습니다. 암호화되지 않은 채로 보내지 않도록 동기화를 멈췄습니다.</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>암호 문구 입력…</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>암호화: 꺼짐(서버가 항목을 읽을 수 있음)</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>암호화: 켜짐. 이 컴퓨터에는 키가 없습니다('stashline account unlock' 실행)</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>암호화: 켜짐. 이 컴퓨터에 키가 있습니다</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>암호화: 알 수 없음(서버가 응답하지 않음)</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>계정이 STASHLINE_CLOUD_URL에서 오므로 여기서 바꿀 수 없습니다.</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>로그아웃했습니다. 항목은 이 컴퓨터에 남습니다.</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>로그인하지 않았습니다. 항목은 이 컴퓨터에 보관됩니다.</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>서버: %1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>사용자: %1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>데이터베이스: %1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>로그인했습니다.</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>여기서는 키링이 응답하지 않아 암호를 나만 읽을 수 있는 계정 파일에 보관합니다.</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>암호화했습니다. 이제 서버에는 읽을 수 없는 데이터만 저장됩니다.</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>잠금을 해제했습니다. 이 컴퓨터가 다시 동기화합니다.</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>암호 문구를 바꿨습니다. 키가 있는 기기는 계속 동기화하며, 새 기기에는 새 암호 문구가 필요합니다.</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>암호:</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>암호 문구:</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>다시 입력:</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>표준 입력으로 암호가 들어오지 않았습니다.</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>표준 입력으로 암호 문구가 들어오지 않았습니다.</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>'account' 뒤에는 status, sign-in, sign-out, encrypt, unlock, change-passphrase 중 하나가 와야 합니다('%1' 아님).</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>'account sign-in'에는 서버 주소와 --user 이름이 필요합니다.</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>'account %1'에는 인수가 없습니다.</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>최근 삭제된 항목</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>최근 삭제된 항목(%1)</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>복구</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>지금 삭제</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>휴지통 비우기</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>최근 삭제된 항목을 모두 완전히 삭제할까요?(%1)</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>완전히 삭제되기까지 남은 일수: %1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>최근에 삭제한 항목이 없습니다. 삭제한 항목은 %1일 동안 여기에 보관된 뒤 완전히 삭제됩니다.</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>‘%1’ 삭제됨</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>삭제된 항목: %1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>즐겨찾기</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>복구</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>가져오기…</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>모든 항목 내보내기</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Stashline 내보내기 파일</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>항목 가져오기</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>내보내기 파일, 북마크, 메모</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>이 컴퓨터에 있는 파일을 선택하세요.</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>%3에 내보냈습니다. 항목: %1, 사진: %2</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>내보내기 파일을 쓸 수 없습니다: %1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>저장되지 않은 변경 사항을 저장할 수 없어 아무것도 내보내지 않았습니다: %1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>가져왔습니다. 새 항목: %1, 업데이트: %2, 이미 최신: %3</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>압축 파일이 손상되었거나 불완전합니다. 아무것도 가져오지 않았습니다.</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>더 새로운 버전의 Stashline에서 만든 압축 파일입니다. 가져오려면 Stashline을 업데이트하세요. 아무것도 가져오지 않았습니다.</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 파일이 너무 커서 가져올 수 없습니다. 아무것도 가져오지 않았습니다.</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>압축 파일의 %1은(는) JPEG 사진이 아닙니다. 아무것도 가져오지 않았습니다.</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>%1 파일이 없습니다.</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>%1 파일을 읽을 수 없습니다.</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1에 텍스트가 없습니다. 아무것도 가져오지 않았습니다.</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1은(는) Stashline에서 가져올 수 없는 파일입니다. Stashline 내보내기 파일(.zip), 브라우저 북마크 파일(.html) 또는 텍스트나 Markdown 메모(.txt, .md)를 선택하세요.</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>가져올 파일을 풀 공간이 없습니다. 아무것도 가져오지 않았습니다: %1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>가져온 항목을 저장할 수 없습니다. 아무것도 가져오지 않았습니다: %1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>‘%1’을(를) 최근 삭제된 항목으로 옮겼습니다. %2일 후 완전히 삭제됩니다.</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>‘%1’을(를) 복구했습니다.</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>최근 삭제된 항목이 비어 있습니다.</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>최근 삭제된 항목에 %1번 항목이 없습니다. 항목 수: %2('stashline list --trash' 참고)</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>%1 항목은 최근 삭제된 항목에 없습니다.</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>%1 항목은 최근 삭제된 항목에 있습니다. 먼저 복구하세요('stashline restore').</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1에는 파일 하나가 필요합니다</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>보냄</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>사진 찍기</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>이 사진을 읽을 수 없습니다.</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>오프라인입니다. 변경 사항은 이 휴대폰에 보관되며 연결되면 전송됩니다.</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>서버에 연결할 수 없습니다. 다시 시도하는 중…</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>항목이 암호화되어 있습니다</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>암호 문구를 입력하면 항목을 보고 동기화할 수 있습니다. 그 전에는 이 페이지에 아무것도 표시되거나 변경되지 않습니다.</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>암호 문구</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>잠금 해제</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>확인하는 중…</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>이 암호 문구로는 항목을 열 수 없습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>휴대폰에서 열기</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>Stashline 웹 앱을 서버의 항목 옆에 올립니다. 휴대폰 브라우저가 같은 계정으로 열고, 오프라인에서도 작동하는 사본을 보관합니다.</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>내 서버에 게시</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>게시하는 중…</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>휴대폰에서 이 주소를 열거나 코드를 스캔하세요.</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>이 서버는 이 컴퓨터(127.0.0.1)에서 실행되므로 휴대폰에서 접속할 수 없습니다. 호스팅된 CouchDB나 HTTPS 뒤에 둔 자체 서버처럼 휴대폰이 접속할 수 있는 서버에 로그인한 뒤 다시 게시하세요.</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>웹 앱을 게시할 수 없습니다: %1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>주소의 QR 코드</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>이 Stashline 빌드에는 웹 앱이 포함되어 있지 않습니다.</translation>
    </message>
</context>
</TS>
