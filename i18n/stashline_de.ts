<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aufruf: stashline [DATEI|URL]...
  oder: stashline add [--title TITEL] [--favorite] TEXT|-|--image DATEI|--clipboard
  oder: stashline list [--json] [--favorites|--history|--trash] [--search SUCHE]
  oder: stashline copy EINTRAG
  oder: stashline open EINTRAG
  oder: stashline delete|restore OBJEKT
  oder: stashline export|import DATEI
  oder: stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
Notizen, Links und Bilder aufbewahren, um sie auf andere Geräte mitzunehmen.

Ohne Argumente startet Stashline oder holt sein Fenster nach vorn. Jede DATEI und
jede URL wird ein Eintrag: eine Bilddatei ein Bild, eine Textdatei eine Notiz, beide
mit dem Dateinamen als Titel, eine URL ein Link. Eine fehlende Datei oder eine, die
sich nicht hinzufügen lässt, wird in einer eigenen Zeile gemeldet; die übrigen
werden hinzugefügt.

Befehle:
  add TEXT...            fügt eine Notiz hinzu, oder einen Link, wenn TEXT eine URL mit Schema ist
  add -                  fügt den Text von der Standardeingabe hinzu
    -t, --title TITEL    gibt dem Eintrag einen Titel (ein Bild erhält seinen Dateinamen)
    -f, --favorite       markiert den Eintrag als Favorit
    -i, --image DATEI    fügt das Bild in DATEI hinzu (JPEG, PNG, WebP, GIF, ...)
    -c, --clipboard      fügt den Inhalt der Zwischenablage hinzu: ein Bild, einen Link oder Text
  list                   zeigt die Einträge nummeriert und gruppiert wie im Fenster
    --json               als JSON-Array (uuid, title, content, kind, favorite,
                         created, syncStatus, group, section)
    --favorites          nur die älteren Favoriten
    --history            nur den Verlauf
    --trash              nur „Zuletzt gelöscht“, eigens nummeriert
    --search SUCHE       nur die Einträge, die zu SUCHE passen, der beste Treffer
                         zuerst: Wörter, "Wortgruppen", -Wort, is:fav, is:note,
                         is:link, is:picture, site:HOST, before:JJJJ-MM-TT, after:...
  copy EINTRAG           legt Link, Text oder Bild eines Eintrags in die Zwischenablage
  open EINTRAG           öffnet den Link eines Eintrags im Browser oder Mailprogramm
  delete OBJEKT          verschiebt ein Objekt nach „Zuletzt gelöscht“ (30 Tage)
  restore OBJEKT         holt ein Objekt aus „Zuletzt gelöscht“ zurück; OBJEKT ist
                         seine UUID oder seine Nummer in 'stashline list --trash'
  export DATEI           schreibt alle Objekte samt „Zuletzt gelöscht“ und ihren
                         Bildern in ein Archiv (.zip)
  import DATEI           liest einen Export, eine Lesezeichendatei eines Browsers
                         (.html) oder eine Text- oder Markdown-Notiz (.txt, .md);
                         vorhandene Objekte werden erkannt und nie verdoppelt
  account status         zeigt Server, Benutzer und Datenbank, ob sie verschlüsselt
    --json               ist und ob dieser Computer ihren Schlüssel hat
  account sign-in URL --user NAME [--database DB]
                         meldet an; das Passwort kommt von der Standardeingabe
  account sign-out       meldet ab; die Einträge bleiben auf diesem Computer
  account encrypt        verschlüsselt das Konto mit einer Passphrase (Standardeingabe)
  account unlock         gibt diesem Computer den Schlüssel per Passphrase (Standardeingabe)
  account change-passphrase
                         behält denselben Schlüssel unter neuer Passphrase (Standardeingabe)
EINTRAG ist die UUID eines Eintrags oder seine Nummer in „stashline list“.

Optionen:
      --panel            öffnet den Stashline-Bereich (leg es auf ein Tastenkürzel)
  -h, --help             zeigt diese Hilfe und beendet sich
      --version          zeigt die Version und beendet sich

Läuft Stashline, führt es den Befehl selbst aus, sodass ein neuer Eintrag sofort
erscheint und hochgeladen wird. Sonst arbeitet der Befehl direkt auf dem Speicher,
und der nächste Start von Stashline lädt hoch, was er hinzugefügt hat.
STASHLINE_GROUP_DIR wählt einen anderen Speicher. Im Terminal werden Steuerzeichen
in Titeln maskiert angezeigt (\x1B, \u202E).

Exit-Status: 0 erledigt, 1 fehlgeschlagen (der Grund steht in der Standardfehlerausgabe), 2 falscher Aufruf.
list --search endet mit 1, wenn kein Eintrag passt.
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>„stashline --help“ zeigt mehr.</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add braucht einen TEXT, „-“, --image DATEI oder --clipboard</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add nimmt nur eines von TEXT, „-“, --image DATEI oder --clipboard</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add nimmt --title und --image je nur einmal</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list nimmt keine Argumente</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list nimmt nur eine der Optionen --favorites, --history und --trash</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1 nimmt einen Eintrag: seine UUID oder seine Nummer in „stashline list“</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>ein Argument ist kein gültiger UTF-8-Text</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>„%1“ ist weder Befehl noch Datei noch URL</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>Die Anfrage ist kein JSON-Objekt in einer Zeile.</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>Unbekannte Anfrage „%1“.</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>Das Feld „%1“ der Anfrage ist unbekannt, fehlt oder hat den falschen Typ.</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>Eine add-Anfrage nimmt nur eines von Text, Bild oder Zwischenablage.</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>Die Anfrage ist zu groß.</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline startet noch; versuch es noch einmal.</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline läuft bereits; sein Fenster wurde nach vorn geholt.</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline läuft, hat aber nicht geantwortet.</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>Der Speicher in %1 lässt sich nicht zum Schreiben sperren.</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>Der Speicher ist belegt; versuch es noch einmal.</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>Die Standardeingabe lässt sich nicht lesen.</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>Die Standardeingabe ist kein UTF-8-Text; nichts wurde hinzugefügt.</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>Keine Desktop-Sitzung (DISPLAY oder WAYLAND_DISPLAY) für die Zwischenablage oder einen Browser.</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>Die Zwischenablage enthält nichts zum Hinzufügen.</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline behält den Eintrag, konnte ihn aber noch nicht speichern: %1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>Der Eintrag konnte nicht gespeichert werden: %1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>Es gibt keinen Eintrag %1: „stashline list“ nummeriert die Einträge von 1 bis %2.</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>Es gibt keinen Eintrag %1: Die Liste ist leer.</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>„%1“ ist weder eine Eintragsnummer noch eine UUID.</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>Es gibt keinen Eintrag %1.</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>Link kopiert: %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>Bild kopiert</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>Text kopiert</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>Das Bild dieses Eintrags ist noch nicht auf diesem Computer.</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>Der Eintrag enthält nichts zum Kopieren.</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>Der Eintrag hat keinen Link.</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>Kein Programm hat %1 geöffnet.</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>Geöffnet: %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>Nichts hinzuzufügen: Der Text ist leer.</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>Nichts zu speichern: Titel, Text und Bild sind leer.</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>Das Bild konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message id="cloud.error.notAuthenticated">
        <source>You are not signed in to a cloud account.</source>
        <translation>Sie sind bei keinem Cloud-Konto angemeldet.</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>Einige Datensätze konnten nicht gespeichert oder gelesen werden (%1).</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>Das Bild von Datensatz %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>Das Bild von Datensatz %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>Der Server hat einen Datensatz ohne Namen gesendet.</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>Der Cloud-Server unter %1 hat eine unlesbare Antwort gesendet.</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>Der Cloud-Server unter %1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>Der Cloud-Server unter %1 ist nicht erreichbar.</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>Die sichere Verbindung zu %1 ist fehlgeschlagen: Das Zertifikat des Servers wurde nicht akzeptiert.</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>Die Verbindung zum Cloud-Server unter %1 ist fehlgeschlagen.</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>Der Cloud-Server unter %1 hat den Benutzernamen oder das Passwort des Kontos nicht akzeptiert.</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>Das Cloud-Konto darf die Datenbank unter %1 nicht verwenden.</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>Die Cloud-Datenbank unter %1 existiert nicht.</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>Der Datensatz wurde inzwischen auf dem Server geändert.</translation>
    </message>
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>Der Cloud-Server unter %1 hat eine Antwort größer als %2 MB gesendet; sie wurde nicht gelesen.</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>Die Anfrage war für den Cloud-Server zu groß.</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>Der Cloud-Server erhält zu viele Anfragen. Versuchen Sie es später erneut.</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>Die Cloud-Datenbank ist voll.</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>Der Cloud-Server unter %1 hat ein Problem (Fehler %2). Versuchen Sie es später erneut.</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>Der Cloud-Server unter %1 hat die Anfrage umgeleitet; es wird nur die eingerichtete Datenbank verwendet.</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>Der Cloud-Server unter %1 hat die Anfrage abgelehnt (Fehler %2).</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>Datensatz %1 wurde inzwischen auf dem Server geändert.</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>Datensatz %1 existiert nicht.</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>Der Server hat das Speichern von Datensatz %1 verweigert.</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>Das Cloud-Konto darf Datensatz %1 nicht schreiben.</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>Datensatz %1 ist für den Cloud-Server zu groß.</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>Der Server hat Datensatz %1 abgelehnt.</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>Die Adresse des Cloud-Kontos ist keine gültige http- oder https-Adresse.</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>Die Adresse des Cloud-Kontos nennt keine Datenbank (zum Beispiel https://host/mydb).</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>Die Adresse des Cloud-Kontos darf weder Abfrage noch Fragment enthalten.</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up yet.</source>
        <translation>Es ist noch kein Cloud-Konto eingerichtet.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>Die Einstellungen des Cloud-Kontos können nicht gelesen werden.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>Die Einstellungen des Cloud-Kontos sind für andere Benutzer dieses Computers lesbar und werden deshalb nicht verwendet.</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>Die Einstellungen des Cloud-Kontos sind ungültig.</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>Ablage</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>Neueste</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>Notizen, Links und Bilder für deine anderen Geräte.</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>Wird mit der Cloud synchronisiert …</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>Download aus der Cloud fehlgeschlagen</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>Noch nichts gespeichert. Füge eine Notiz, einen Link oder ein Bild hinzu, um es auf all deinen Geräten zu haben.</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>Neues Objekt</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>Aus der Cloud laden</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>Kein Favorit mehr</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>Dieses Objekt löschen?</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>Es wird von all deinen Geräten entfernt. Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>Objekte, die älter als ein paar Tage sind, nach Speichertag.</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>Noch kein Verlauf</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>Ohne Titel</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>Gespeichertes Bild</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>Zurück bis %1</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>Gespeichert am %1</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>Synchronisiert</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>Nicht synchronisiert</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>Schreib eine Notiz, füge einen Link ein oder hänge ein Bild an. Es erscheint gleich auf deinen anderen Geräten.</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>Titel (optional)</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>Notiz schreiben oder Link einfügen</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>Als Favorit markieren</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>Bild entfernen</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>Bild hier ablegen</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>Objekt bearbeiten</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>Ändere Titel, Inhalt, Bild oder Favoritenmarkierung.</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>Zuletzt synchronisiert</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline hält eine kurze Liste von Notizen, Links und Bildern auf all deinen Geräten aktuell.</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - Support</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>Stashline teilen</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>Bewertung schreiben</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>Hilfe</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>Weitere Apps</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>Alle Apps ansehen</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>Stashline öffnen</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>Stashline beenden</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>Die Adresse des Cloud-Kontos verwendet http:// für den Server %1; Ihr Passwort würde unverschlüsselt gesendet. Verwenden Sie https:// (http:// ist nur für diesen Computer erlaubt, etwa 127.0.0.1 oder localhost).</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>Nicht geöffnet: Links, die mit %1 beginnen, können auf diesem Computer Dateien öffnen oder Programme starten. Nur Web- und E-Mail-Links werden geöffnet.</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>Nicht geöffnet: Dies ist keine vollständige Web- oder E-Mail-Adresse.</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>Ihre Änderungen konnten nicht gespeichert werden</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline kann nicht fortfahren</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>Stashline muss wegen des unten genannten Problems beendet werden. An Ihren Einträgen wurde nichts geändert.</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>Dieses Bild hat %1 Megapixel; Stashline nimmt Bilder mit bis zu %2 Megapixeln. Wählen Sie ein kleineres Bild oder verkleinern Sie es zuerst.</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>Diese Datei konnte nicht als Bild gelesen werden.</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>Anmelden, um Ihre Einträge zu synchronisieren</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>Nicht angemeldet. Melden Sie sich bei Ihrem eigenen Server an, um Ihre Einträge auf jedem Gerät zu haben.</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>Angemeldet als %1 auf %2</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>Letzter Download: %1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>Letzter Upload: %1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>noch nicht</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>Dieses Konto ist durch die Umgebungsvariable STASHLINE_CLOUD_URL festgelegt, die Vorrang vor dieser Seite hat; starten Sie Stashline ohne sie, um sich hier anzumelden.</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>Bei Ihrem Server anmelden</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>Bei einem anderen Konto anmelden</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>Ihre Einträge bleiben auf diesem Computer und gehen an das nächste Konto, bei dem Sie sich anmelden.</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>Verbindung wird hergestellt …</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>Einen lokalen Server auf diesem Computer verwenden</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>Passwort in der Kontodatei speichern</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>Synchronisierung einrichten …</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>Geben Sie die Adresse des Servers mit https:// ein, zum Beispiel https://couch.example.com:6984.</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>Geben Sie nur die Adresse des Servers ein, ohne Pfad oder Namen: https://host oder https://host:port.</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>Geben Sie Benutzernamen und Passwort ein.</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>Ein Datenbankname beginnt mit einem Kleinbuchstaben und enthält nur Kleinbuchstaben, Ziffern und _$()+-.</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>Der Server unter %1 antwortet, aber nicht als CouchDB-Datenbankserver.</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>Der Server hat diesen Benutzernamen und dieses Passwort nicht akzeptiert.</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>Die Datenbank %1 existiert nicht, und dieses Konto darf sie nicht anlegen. Bitten Sie die Verwaltung des Servers, sie anzulegen, oder geben Sie den Namen einer Datenbank ein, die Sie verwenden dürfen.</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>Dieses Konto darf die Datenbank %1 nicht verwenden.</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>Der Schlüsselbund mit Ihrem Passwort hat nicht geantwortet. Melden Sie sich erneut an, um weiter zu synchronisieren.</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>Ihr Passwort ist nicht im Schlüsselbund. Melden Sie sich erneut an, um weiter zu synchronisieren.</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>Auf diesem Desktop antwortet kein Schlüsselbund, daher kann das Passwort dort nicht gespeichert werden. Stashline kann es stattdessen in seiner Kontodatei speichern, die nur Sie lesen können.</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>Der Schlüsselbund hat das Passwort nicht gespeichert, daher sind Sie nicht angemeldet.</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>Das Konto konnte nicht in Ihrem Einstellungsordner gespeichert werden.</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>Das Konto konnte nicht aus Ihrem Einstellungsordner entfernt werden.</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>Ein lokaler Server braucht das Werkzeug cloud-server aus dem Quellordner von Stashline (mit seinen Node.js-Paketen) und Node.js, die dieser Installation fehlen.</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>Der lokale Server ist nicht gestartet.</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>Stashline-Bereich öffnen</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>Einige Dateien konnten nicht hinzugefügt werden</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>Diese Datei ist weder ein Bild noch Text.</translation>
    </message>
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>Alle Objekte durchsuchen</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>Suche löschen</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>Keine Objekte passen zu „%1“</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>Von einer Website …</translation>
    </message>
    <message id="share.search.filter.lastWeek">
        <source>Last 7 Days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message id="share.search.filter.lastMonth">
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message id="share.search.filter.olderThanYear">
        <source>Older Than a Year</source>
        <translation>Älter als ein Jahr</translation>
    </message>
    <message id="share.search.filter.leaveOut">
        <source>Leave Out a Word…</source>
        <translation>Ein Wort ausschließen …</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search braucht eine SUCHE mit Wörtern oder Filtern, einmal</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>Auf diesem Computer</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>Ihre Einträge werden auf diesem Computer aufbewahrt. Richten Sie die Synchronisierung ein, um sie auch auf Ihren anderen Geräten zu haben.</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>Die Synchronisierung ist angehalten</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>%1 Einträge ließen sich nicht entschlüsseln: Sie wurden auf dem Server verändert oder mit einem anderen Schlüssel verschlüsselt. Dieses Gerät behält sie unverändert.</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>Diese Version von Stashline kann den Verschlüsselungsschlüssel auf dem Server nicht lesen (%1).</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>Der Server ist mit dem Aufräumen alter Versionen noch nicht fertig.</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>Dieses Konto ist verschlüsselt. Gib deine Passphrase ein, um zu synchronisieren.</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>Das Bild von Datensatz %1 wurde auf dem Server verändert oder mit einem anderen Schlüssel verschlüsselt.</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>Andere Geräte haben weiter unverschlüsselte Einträge geschrieben; das Verschlüsseln geht später weiter.</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>Diese Passphrase öffnet den Schlüssel dieses Kontos nicht. Es wurde nichts geändert.</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>Ein anderes Gerät hat dieses Konto zuerst verschlüsselt, mit einer anderen Passphrase. Gib diese ein, um hier zu synchronisieren.</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>Der Schlüssel des Kontos wurde inzwischen auf einem anderen Gerät geändert. Gib dessen Passphrase ein und versuche es dann erneut.</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>Melde dich zuerst bei einem Konto an.</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>Wähle eine Passphrase mit mindestens %1 Zeichen.</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>Dieses Konto ist nicht verschlüsselt.</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>Dieses Gerät konnte den Schlüssel nicht aufbewahren. Es fragt beim nächsten Start erneut nach der Passphrase.</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>Gib zuerst die aktuelle Passphrase ein: Dieses Gerät hat den Schlüssel des Kontos nicht.</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>Gib zur Bestätigung genau den Namen der Datenbank ein.</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>Eine andere Änderung der Verschlüsselung läuft noch.</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>Jetzt ist alles verschlüsselt. Der Server hat diesem Konto nicht erlaubt, alte Versionen aufzuräumen; frühere, unverschlüsselte Versionen deiner Einträge können dort also noch liegen.</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>Der Server hat diesem Konto nicht erlaubt, alte Versionen aufzuräumen: Frühere, unverschlüsselte Versionen deiner Einträge können dort noch liegen. Um sie zu entfernen, bitte den Betreiber des Servers, die Datenbank zu komprimieren, oder wechsle zu einer neuen Datenbank.</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>Passphrase wird geprüft …</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>Schlüssel des Kontos wird erstellt …</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>Alle Einträge auf dem Server werden verschlüsselt …</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>Alte, unverschlüsselte Versionen werden vom Server entfernt …</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>Wechsel zu einer neuen Datenbank, weil dieses Konto auf dem Server keine alten Versionen aufräumen darf…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>Falls der Server diesem Konto nicht erlaubt, alte Versionen aufzuräumen, zieht das Verschlüsseln deine Einträge in eine neue Datenbank auf demselben Server um und lässt die alte leer zurück.</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>Jetzt ist alles verschlüsselt. Der Server hat diesem Konto nicht erlaubt, alte Versionen aufzuräumen; deshalb ist das Konto in die neue Datenbank %1 umgezogen, und die alte wurde gelöscht.</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>Jetzt ist alles verschlüsselt. Der Server hat diesem Konto nicht erlaubt, alte Versionen aufzuräumen; deshalb ist das Konto in die neue Datenbank %1 umgezogen. Die alte Datenbank wurde geleert, aber der Server hat diesem Konto nicht erlaubt, sie zu löschen: Frühere, unverschlüsselte Versionen können darin noch liegen.</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>Dieses Konto ist aus der Datenbank %1 hierher umgezogen, weil der Server ihm nicht erlaubt, alte Versionen aufzuräumen. Diese Datenbank enthält keine unverschlüsselten Versionen.</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>Der Server hat diesem Konto nicht erlaubt, die alte Datenbank %1 zu löschen: Frühere, unverschlüsselte Versionen deiner Einträge können dort noch liegen. Bitte den Betreiber des Servers, sie zu löschen.</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>Andere Geräte haben weiter in die alte Datenbank geschrieben; der Umzug geht später weiter.</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>Passphrase wird geändert …</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>Die Cloud-Kopie wird gelöscht und neu begonnen …</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>Ende-zu-Ende-Verschlüsselung</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>Aus. Wer den Server betreibt oder sichert, kann deine Titel, Notizen, Links und Bilder lesen.</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>Dieses Konto ist verschlüsselt, und dieses Gerät hat seinen Schlüssel noch nicht. Gib deine Passphrase ein, um zu synchronisieren. Bis dahin wird nichts gesendet oder empfangen; was du hinzufügst, wartet auf diesem Computer.</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>An. Deine Titel, Notizen, Links, Bilder und ihre Änderungszeiten werden vor dem Senden auf diesem Gerät verschlüsselt, mit einem Schlüssel, den nur deine Geräte haben.</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>Der Server hat noch nicht mitgeteilt, ob dieses Konto verschlüsselt ist.</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>Mit Verschlüsselung sieht der Server weiterhin, dass das Konto existiert, wie viele Einträge es enthält, wie groß sie sind, wann sie sich ändern und ihre IDs, aber nichts von ihrem Inhalt.</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>Was der Server noch sieht: dass das Konto existiert, wie viele Einträge es enthält, wie groß sie sind, wann sie sich ändern und ihre IDs. Titel, Notizen, Links, Bilder und Änderungszeiten kann er nicht lesen.</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>Neue Passphrase</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>Die beiden Passphrasen unterscheiden sich.</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>Bewahre die Passphrase sicher auf. Niemand kann sie wiederherstellen: Ohne sie kann ein neues Gerät deine Einträge nicht lesen.</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>Mit Passphrase verschlüsseln</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>Passphrase eingeben</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>Passphrase ändern</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>Passphrase vergessen?</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>Neu beginnen löscht alles, was dieses Konto auf dem Server hat, und lädt die Einträge dieses Geräts mit einer neuen Passphrase hoch. Deine anderen Geräte fragen nach der neuen Passphrase; sobald sie dort eingegeben ist, senden sie die Einträge, die dieses Gerät nicht hat.</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>Neu beginnen …</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>Gib zur Bestätigung den Namen der Datenbank ein: %1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>Löschen und neu beginnen</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>Gib deine Passphrase ein, um zu synchronisieren</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>Dein Konto ist verschlüsselt. Bis dahin wird nichts gesendet oder empfangen; neue Einträge warten hier.</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>Das Konto wurde auf einem anderen Gerät mit einer neuen Passphrase neu begonnen. Gib sie ein, um zurückzusenden, was dieses Gerät hat.</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>Der Schlüssel des Kontos ist nicht mehr auf dem Server. Die Synchronisierung pausiert, damit nichts unverschlüsselt gesendet wird.</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>Passphrase eingeben …</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>Verschlüsselung: aus (der Server kann deine Einträge lesen)</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>Verschlüsselung: an; dieser Computer hat den Schlüssel nicht („stashline account unlock“ ausführen)</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>Verschlüsselung: an; dieser Computer hat den Schlüssel</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>Verschlüsselung: unbekannt (der Server hat nicht geantwortet)</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>Das Konto kommt aus STASHLINE_CLOUD_URL und kann hier nicht geändert werden.</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>Abgemeldet. Die Einträge bleiben auf diesem Computer.</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>Nicht angemeldet. Die Einträge bleiben auf diesem Computer.</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>Benutzer: %1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>Angemeldet.</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>Hier antwortet kein Schlüsselbund, daher wird das Passwort in der Kontodatei aufbewahrt, die nur du lesen kannst.</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>Verschlüsselt. Der Server speichert jetzt nur noch, was er nicht lesen kann.</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>Entsperrt. Dieser Computer synchronisiert wieder.</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>Passphrase geändert. Geräte mit dem Schlüssel synchronisieren weiter; ein neues Gerät braucht die neue Passphrase.</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>Passphrase:</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>Wiederholen:</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>Auf der Standardeingabe kam kein Passwort.</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>Auf der Standardeingabe kam keine Passphrase.</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>„account“ kennt status, sign-in, sign-out, encrypt, unlock oder change-passphrase, nicht „%1“.</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>„account sign-in“ braucht die Adresse des Servers und --user NAME.</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>„account %1“ nimmt keine Argumente.</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>Zuletzt gelöscht</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>Zuletzt gelöscht (%1)</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>Jetzt löschen</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>Alles unter „Zuletzt gelöscht“ endgültig löschen (%1)?</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>Tage bis zum endgültigen Löschen: %1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>In letzter Zeit wurde nichts gelöscht. Gelöschte Objekte bleiben %1 Tage hier und werden dann endgültig gelöscht.</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>„%1“ gelöscht</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>Gelöschte Objekte: %1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>Favorit</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>Importieren …</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>Alle Objekte exportieren</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Stashline-Export</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>Objekte importieren</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>Exporte, Lesezeichen und Notizen</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>Wähle eine Datei auf diesem Computer.</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>Exportiert nach %3 – Objekte: %1, Bilder: %2.</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>Der Export konnte nicht geschrieben werden: %1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>Noch nicht gesicherte Änderungen konnten nicht gesichert werden, daher wurde nichts exportiert: %1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>Importiert. Neu: %1, aktualisiert: %2, bereits aktuell: %3.</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>Das Archiv ist beschädigt oder unvollständig; es wurde nichts importiert.</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>Das Archiv stammt von einer neueren Version von Stashline; aktualisiere Stashline, um es zu importieren. Es wurde nichts importiert.</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 ist zu groß für den Import; es wurde nichts importiert.</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>%1 im Archiv ist kein JPEG-Bild; es wurde nichts importiert.</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>Die Datei %1 gibt es nicht.</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1 enthält keinen Text; es wurde nichts importiert.</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1 ist keine Datei, die Stashline importieren kann. Wähle einen Stashline-Export (.zip), eine Lesezeichendatei eines Browsers (.html) oder eine Text- oder Markdown-Notiz (.txt, .md).</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>Kein Platz zum Entpacken des Imports; es wurde nichts importiert: %1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>Der Import konnte nicht gesichert werden; es wurde nichts importiert: %1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>„%1“ wurde nach „Zuletzt gelöscht“ verschoben und wird nach %2 Tagen endgültig gelöscht.</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>„%1“ wurde wiederhergestellt.</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>„Zuletzt gelöscht“ ist leer.</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>In „Zuletzt gelöscht“ gibt es kein Objekt %1; es enthält %2 (siehe 'stashline list --trash').</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>Das Objekt %1 ist nicht in „Zuletzt gelöscht“.</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>Das Objekt %1 ist in „Zuletzt gelöscht“; stelle es zuerst wieder her ('stashline restore').</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1 braucht eine DATEI</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>Foto aufnehmen</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>Dieses Bild konnte nicht gelesen werden.</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>Offline. Ihre Änderungen bleiben auf diesem Telefon und werden gesendet, sobald die Verbindung zurück ist.</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>Ihr Server ist nicht erreichbar. Neuer Versuch …</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>Ihre Einträge sind verschlüsselt</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>Geben Sie Ihre Passphrase ein, um sie zu sehen und zu synchronisieren. Bis dahin zeigt und ändert diese Seite nichts.</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>Wird geprüft …</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>Diese Passphrase öffnet Ihre Einträge nicht. Es wurde nichts geändert.</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>Auf dem Telefon öffnen</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>Legt die Stashline-Web-App auf Ihren Server, neben Ihre Einträge. Der Browser Ihres Telefons öffnet sie mit demselben Konto und behält eine Kopie, die auch offline funktioniert.</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>Auf meinem Server veröffentlichen</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>Wird veröffentlicht …</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>Öffnen Sie diese Adresse auf Ihrem Telefon oder scannen Sie den Code:</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>Dieser Server läuft auf diesem Computer (127.0.0.1), ein Telefon kann ihn also nicht erreichen. Melden Sie sich bei einem Server an, den Ihr Telefon erreicht, etwa einem gehosteten CouchDB oder Ihrem eigenen hinter HTTPS, und veröffentlichen Sie erneut.</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>Die Web-App konnte nicht veröffentlicht werden: %1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>QR-Code der Adresse</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>Dieser Build von Stashline enthält keine Web-App.</translation>
    </message>
</context>
</TS>
