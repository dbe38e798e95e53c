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
        <translation>Aufruf: stashline [DATEI|URL]...
  oder: stashline add [--title TITEL] [--favorite] TEXT|-|--image DATEI|--clipboard
  oder: stashline list [--json] [--favorites|--history]
  oder: stashline copy EINTRAG
  oder: stashline open EINTRAG
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
  copy EINTRAG           legt Link, Text oder Bild eines Eintrags in die Zwischenablage
  open EINTRAG           öffnet den Link eines Eintrags im Browser oder Mailprogramm
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
        <source>list takes --favorites or --history, not both</source>
        <translation>list nimmt --favorites oder --history, nicht beides</translation>
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
</context>
</TS>
