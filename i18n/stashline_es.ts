<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message id="cloud.error.notAuthenticated">
        <source>You are not signed in to a cloud account.</source>
        <translation>No has iniciado sesión en una cuenta en la nube.</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>Algunos registros no se pudieron guardar ni leer (%1).</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>No se pudo guardar la imagen del registro %1: %2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>No se pudo leer la imagen del registro %1: %2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>El servidor envió un registro sin nombre.</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>El servidor en la nube de %1 envió una respuesta que no se puede leer.</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>El servidor en la nube de %1 no respondió en %2 segundos.</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>No se puede conectar con el servidor en la nube de %1.</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>La conexión segura con %1 falló: no se aceptó el certificado del servidor.</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>La conexión con el servidor en la nube de %1 falló.</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>El servidor en la nube de %1 no aceptó el nombre de usuario o la contraseña de la cuenta.</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>La cuenta en la nube no tiene permiso para usar la base de datos de %1.</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>La base de datos en la nube de %1 no existe.</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>El registro se modificó en el servidor mientras tanto.</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>La solicitud era demasiado grande para el servidor en la nube.</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>El servidor en la nube está recibiendo demasiadas solicitudes. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>La base de datos en la nube está llena.</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>El servidor en la nube de %1 tiene un problema (error %2). Inténtalo de nuevo más tarde.</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>El servidor en la nube de %1 redirigió la solicitud a otro lugar; solo se usa la base de datos configurada.</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>El servidor en la nube de %1 rechazó la solicitud (error %2).</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>El registro %1 se modificó en el servidor mientras tanto.</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>El registro %1 no existe.</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>El servidor se negó a guardar el registro %1.</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>La cuenta en la nube no tiene permiso para escribir el registro %1.</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>El registro %1 es demasiado grande para el servidor en la nube.</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>El servidor rechazó el registro %1.</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>La dirección de la cuenta en la nube no es una dirección http o https válida.</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>La dirección de la cuenta en la nube no indica ninguna base de datos (por ejemplo https://host/mydb).</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>La dirección de la cuenta en la nube no debe tener parámetros de consulta ni fragmento.</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up. Set STASHLINE_CLOUD_URL or create %1.</source>
        <translation>No hay ninguna cuenta en la nube configurada. Define STASHLINE_CLOUD_URL o crea %1.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de la cuenta en la nube %1.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account file %1 can be read by other users. Make it private with: chmod 600 %1</source>
        <translation>Otros usuarios pueden leer el archivo de la cuenta en la nube %1. Hazlo privado con: chmod 600 %1</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account file %1 is not valid: it needs a JSON object with "url".</source>
        <translation>El archivo de la cuenta en la nube %1 no es válido: necesita un objeto JSON con "url".</translation>
    </message>
</context>
</TS>
