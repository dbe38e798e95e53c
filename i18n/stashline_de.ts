<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
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
        <source>No cloud account is set up. Set STASHLINE_CLOUD_URL or create %1.</source>
        <translation>Es ist kein Cloud-Konto eingerichtet. Setzen Sie STASHLINE_CLOUD_URL oder legen Sie %1 an.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account file %1 cannot be read.</source>
        <translation>Die Cloud-Kontodatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account file %1 can be read by other users. Make it private with: chmod 600 %1</source>
        <translation>Die Cloud-Kontodatei %1 ist für andere Benutzer lesbar. Machen Sie sie privat mit: chmod 600 %1</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account file %1 is not valid: it needs a JSON object with "url".</source>
        <translation>Die Cloud-Kontodatei %1 ist ungültig: Sie braucht ein JSON-Objekt mit „url“.</translation>
    </message>
</context>
</TS>
