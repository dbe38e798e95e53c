<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="Stashline">
        <source>Stashline</source>
        <translation>Stashline</translation>
    </message>
    <message id="share.favorites.title">
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message id="date.today">
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message id="cloud.error.notAuthenticated">
        <source>You are not signed in to a cloud account.</source>
        <translation>Vous n’êtes connecté à aucun compte cloud.</translation>
    </message>
    <message id="cloud.error.partialFailure">
        <source>Some records could not be saved or read (%1).</source>
        <translation>Certains enregistrements n’ont pas pu être enregistrés ou lus (%1).</translation>
    </message>
    <message id="cloud.error.assetFile">
        <source>The picture of record %1 could not be stored: %2</source>
        <translation>L’image de l’enregistrement %1 n’a pas pu être enregistrée : %2</translation>
    </message>
    <message id="cloud.error.assetUnreadable">
        <source>The picture of record %1 could not be read: %2</source>
        <translation>L’image de l’enregistrement %1 n’a pas pu être lue : %2</translation>
    </message>
    <message id="cloud.error.malformedRecord">
        <source>The server sent a record without a name.</source>
        <translation>Le serveur a envoyé un enregistrement sans nom.</translation>
    </message>
    <message id="cloud.error.unreadableAnswer">
        <source>The cloud server at %1 sent an answer that cannot be read.</source>
        <translation>Le serveur cloud à l’adresse %1 a envoyé une réponse illisible.</translation>
    </message>
    <message id="cloud.error.timeout">
        <source>The cloud server at %1 did not answer within %2 seconds.</source>
        <translation>Le serveur cloud à l’adresse %1 n’a pas répondu dans les %2 secondes.</translation>
    </message>
    <message id="cloud.error.unreachable">
        <source>The cloud server at %1 cannot be reached.</source>
        <translation>Le serveur cloud à l’adresse %1 est injoignable.</translation>
    </message>
    <message id="cloud.error.certificate">
        <source>The secure connection to %1 failed: the server's certificate was not accepted.</source>
        <translation>La connexion sécurisée à %1 a échoué : le certificat du serveur n’a pas été accepté.</translation>
    </message>
    <message id="cloud.error.connectionLost">
        <source>The connection to the cloud server at %1 failed.</source>
        <translation>La connexion au serveur cloud à l’adresse %1 a échoué.</translation>
    </message>
    <message id="cloud.error.unauthorized">
        <source>The cloud server at %1 did not accept the account's user name or password.</source>
        <translation>Le serveur cloud à l’adresse %1 n’a pas accepté le nom d’utilisateur ou le mot de passe du compte.</translation>
    </message>
    <message id="cloud.error.forbidden">
        <source>The cloud account may not use the database at %1.</source>
        <translation>Le compte cloud n’est pas autorisé à utiliser la base de données à l’adresse %1.</translation>
    </message>
    <message id="cloud.error.noDatabase">
        <source>The cloud database at %1 does not exist.</source>
        <translation>La base de données cloud à l’adresse %1 n’existe pas.</translation>
    </message>
    <message id="cloud.error.serverRecordChanged">
        <source>The record was changed on the server in the meantime.</source>
        <translation>L’enregistrement a été modifié sur le serveur entre-temps.</translation>
    </message>
    <message id="cloud.error.tooLarge">
        <source>The request was too large for the cloud server.</source>
        <translation>La requête était trop volumineuse pour le serveur cloud.</translation>
    </message>
    <message id="cloud.error.rateLimited">
        <source>The cloud server is receiving too many requests. Try again later.</source>
        <translation>Le serveur cloud reçoit trop de requêtes. Réessayez plus tard.</translation>
    </message>
    <message id="cloud.error.quota">
        <source>The cloud database is full.</source>
        <translation>La base de données cloud est pleine.</translation>
    </message>
    <message id="cloud.error.serverError">
        <source>The cloud server at %1 has a problem (error %2). Try again later.</source>
        <translation>Le serveur cloud à l’adresse %1 rencontre un problème (erreur %2). Réessayez plus tard.</translation>
    </message>
    <message id="cloud.error.redirect">
        <source>The cloud server at %1 sent the request elsewhere; only the configured database is used.</source>
        <translation>Le serveur cloud à l’adresse %1 a redirigé la requête ailleurs ; seule la base de données configurée est utilisée.</translation>
    </message>
    <message id="cloud.error.rejected">
        <source>The cloud server at %1 rejected the request (error %2).</source>
        <translation>Le serveur cloud à l’adresse %1 a refusé la requête (erreur %2).</translation>
    </message>
    <message id="cloud.error.recordChanged">
        <source>Record %1 was changed on the server in the meantime.</source>
        <translation>L’enregistrement %1 a été modifié sur le serveur entre-temps.</translation>
    </message>
    <message id="cloud.error.unknownItem">
        <source>Record %1 does not exist.</source>
        <translation>L’enregistrement %1 n’existe pas.</translation>
    </message>
    <message id="cloud.error.recordForbidden">
        <source>The server refused to store record %1.</source>
        <translation>Le serveur a refusé d’enregistrer l’enregistrement %1.</translation>
    </message>
    <message id="cloud.error.recordUnauthorized">
        <source>The cloud account may not write record %1.</source>
        <translation>Le compte cloud n’est pas autorisé à écrire l’enregistrement %1.</translation>
    </message>
    <message id="cloud.error.recordTooLarge">
        <source>Record %1 is too large for the cloud server.</source>
        <translation>L’enregistrement %1 est trop volumineux pour le serveur cloud.</translation>
    </message>
    <message id="cloud.error.recordRejected">
        <source>The server rejected record %1.</source>
        <translation>Le serveur a refusé l’enregistrement %1.</translation>
    </message>
    <message id="cloud.account.badUrl">
        <source>The cloud account address is not a valid http or https address.</source>
        <translation>L’adresse du compte cloud n’est pas une adresse http ou https valide.</translation>
    </message>
    <message id="cloud.account.noDatabase">
        <source>The cloud account address names no database (for example https://host/mydb).</source>
        <translation>L’adresse du compte cloud n’indique aucune base de données (par exemple https://host/mydb).</translation>
    </message>
    <message id="cloud.account.extraParts">
        <source>The cloud account address must not have a query or fragment.</source>
        <translation>L’adresse du compte cloud ne doit comporter ni requête ni fragment.</translation>
    </message>
    <message id="cloud.account.none">
        <source>No cloud account is set up. Set STASHLINE_CLOUD_URL or create %1.</source>
        <translation>Aucun compte cloud n’est configuré. Définissez STASHLINE_CLOUD_URL ou créez %1.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account file %1 cannot be read.</source>
        <translation>Le fichier du compte cloud %1 est illisible.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account file %1 can be read by other users. Make it private with: chmod 600 %1</source>
        <translation>Le fichier du compte cloud %1 est lisible par d’autres utilisateurs. Rendez-le privé avec : chmod 600 %1</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account file %1 is not valid: it needs a JSON object with "url".</source>
        <translation>Le fichier du compte cloud %1 n’est pas valide : il doit contenir un objet JSON avec « url ».</translation>
    </message>
</context>
</TS>
