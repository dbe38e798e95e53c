<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Usage : stashline [FICHIER|URL]...
   ou : stashline add [--title TITRE] [--favorite] TEXTE|-|--image FICHIER|--clipboard
   ou : stashline list [--json] [--favorites|--history|--trash] [--search REQUÊTE]
   ou : stashline copy ÉLÉMENT
   ou : stashline open ÉLÉMENT
   ou : stashline delete|restore ÉLÉMENT
   ou : stashline export|import FICHIER
   ou : stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
Gardez des notes, des liens et des images à emporter sur vos autres appareils.

Sans argument, lance Stashline ou amène sa fenêtre au premier plan. Chaque FICHIER
ou URL devient un élément : un fichier image une image et un fichier texte une note,
intitulés du nom du fichier, une URL un lien. Un fichier absent ou qui ne peut pas
être ajouté est signalé sur sa propre ligne ; les autres sont ajoutés.

Commandes :
  add TEXTE...           ajoute une note, ou un lien si TEXTE est une URL avec un schéma
  add -                  ajoute le texte lu sur l’entrée standard
    -t, --title TITRE    donne un titre à l’élément (une image prend le nom de son fichier)
    -f, --favorite       marque l’élément comme favori
    -i, --image FICHIER  ajoute l’image contenue dans FICHIER (JPEG, PNG, WebP, GIF…)
    -c, --clipboard      ajoute le contenu du presse-papiers : une image, un lien ou du texte
  list                   liste les éléments numérotés, groupés comme dans la fenêtre
    --json               sous forme de tableau JSON (uuid, title, content, kind, favorite,
                         created, syncStatus, group, section)
    --favorites          seulement les favoris plus anciens
    --history            seulement l’historique
    --trash              seulement Supprimés récemment, numérotés à part
    --search REQUÊTE     seulement les éléments qui correspondent à REQUÊTE, le
                         meilleur d’abord : mots, "expressions", -mot, is:fav, is:note,
                         is:link, is:picture, site:HÔTE, before:AAAA-MM-JJ, after:...
  copy ÉLÉMENT           copie le lien, le texte ou l’image d’un élément dans le presse-papiers
  open ÉLÉMENT           ouvre le lien d’un élément dans votre navigateur ou votre messagerie
  delete ÉLÉMENT         place un élément dans Supprimés récemment (30 jours)
  restore ÉLÉMENT        récupère un élément de Supprimés récemment ; ÉLÉMENT est
                         son UUID ou son numéro dans 'stashline list --trash'
  export FICHIER         écrit tous les éléments, Supprimés récemment compris,
                         avec leurs images dans une archive (.zip)
  import FICHIER         lit un export, un fichier de signets d’un navigateur
                         (.html) ou une note texte ou Markdown (.txt, .md) ; les
                         éléments déjà présents ne sont jamais dupliqués
  account status         affiche le serveur, l’utilisateur, la base de données, si elle
    --json               est chiffrée et si cet ordinateur détient sa clé
  account sign-in URL --user NOM [--database BASE]
                         se connecte ; le mot de passe est lu sur l’entrée standard
  account sign-out       se déconnecte ; les éléments restent sur cet ordinateur
  account encrypt        chiffre le compte avec une phrase secrète (entrée standard)
  account unlock         donne la clé à cet ordinateur avec la phrase (entrée standard)
  account change-passphrase
                         garde la même clé sous une nouvelle phrase (entrée standard)
ÉLÉMENT est l’UUID d’un élément ou son numéro dans « stashline list ».

Options :
      --panel            ouvre le panneau de la zone de notification (à lier à un raccourci)
  -h, --help             affiche cette aide et quitte
      --version          affiche la version et quitte

Quand Stashline est ouvert, c’est lui qui exécute la commande : un nouvel élément
apparaît aussitôt et est envoyé. Sinon, la commande travaille directement sur le
stockage et le prochain lancement de Stashline envoie ce qu’elle a ajouté.
STASHLINE_GROUP_DIR choisit un autre stockage. Dans un terminal, les caractères de
contrôle des titres sont affichés échappés (\x1B, \u202E).

Code de sortie : 0 réussi, 1 échec (la raison est sur la sortie d’erreur), 2 mauvais usage.
list --search se termine par 1 quand aucun élément ne correspond.
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>Essayez « stashline --help » pour plus d’informations.</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add attend un TEXTE, « - », --image FICHIER ou --clipboard</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add accepte un seul élément parmi TEXTE, « - », --image FICHIER ou --clipboard</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add n’accepte --title et --image qu’une fois</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list n’accepte pas d’argument</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list accepte une seule option parmi --favorites, --history et --trash</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1 attend un élément : son UUID ou son numéro dans « stashline list »</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>un argument n’est pas du texte UTF-8 valide</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>« %1 » n’est ni une commande, ni un fichier, ni une URL</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>La requête n’est pas un objet JSON sur une ligne.</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>Requête inconnue « %1 ».</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>Le champ « %1 » de la requête est inconnu, absent ou d’un type incorrect.</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>Une requête add n’accepte qu’un seul élément parmi texte, image ou presse-papiers.</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>La requête est trop volumineuse.</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline est encore en cours de lancement ; réessayez.</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline est déjà ouvert ; sa fenêtre a été amenée au premier plan.</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline est ouvert mais n’a pas répondu.</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>Le stockage dans %1 ne peut pas être verrouillé en écriture.</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>Le stockage est occupé ; réessayez.</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>L’entrée standard ne peut pas être lue.</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>L’entrée standard n’est pas du texte UTF-8 ; rien n’a été ajouté.</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>Aucune session de bureau (DISPLAY ou WAYLAND_DISPLAY) pour accéder au presse-papiers ou à un navigateur.</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>Le presse-papiers ne contient rien à ajouter.</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline garde l’élément mais n’a pas encore pu l’enregistrer : %1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>L’élément n’a pas pu être enregistré : %1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>Ce fichier n’existe pas.</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>Il n’y a pas d’élément %1 : « stashline list » numérote les éléments de 1 à %2.</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>Il n’y a pas d’élément %1 : la liste est vide.</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>« %1 » n’est ni un numéro d’élément ni un UUID.</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>Il n’y a pas d’élément %1.</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>Lien copié : %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>Image copiée</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>Texte copié</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>L’image de cet élément n’est pas encore sur cet ordinateur.</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>L’élément ne contient rien à copier.</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>L’élément n’a pas de lien.</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>Aucun programme n’a ouvert %1.</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>Ouvert : %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>Rien à ajouter : le texte est vide.</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>Rien à enregistrer : le titre, le texte et l’image sont vides.</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>L’image n’a pas pu être enregistrée dans %1.</translation>
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
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>Le serveur cloud à %1 a envoyé une réponse de plus de %2 Mo ; elle n’a pas été lue.</translation>
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
        <source>No cloud account is set up yet.</source>
        <translation>Aucun compte cloud n’est encore configuré.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>Les réglages du compte cloud sont illisibles.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>Les réglages du compte cloud sont lisibles par d’autres utilisateurs de cet ordinateur ; ils ne sont donc pas utilisés.</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>Les réglages du compte cloud ne sont pas valides.</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>Éléments</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>Notes, liens et images à emporter sur vos autres appareils.</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>Synchronisation avec le cloud…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>Impossible de télécharger depuis le cloud</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>Rien d'enregistré pour l'instant. Ajoutez une note, un lien ou une image pour les retrouver sur tous vos appareils.</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>Nouvel élément</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>Télécharger depuis le cloud</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>Supprimer cet élément ?</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>Il sera supprimé de tous vos appareils. Cette action est irréversible.</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>Éléments de plus de quelques jours, classés par jour d'enregistrement.</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>Pas encore d'historique</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>Image enregistrée</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>À rendre avant le %1</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>Enregistré le %1</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>Synchronisation</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>Non synchronisé</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>Écrivez une note, collez un lien ou joignez une image. Elle apparaîtra sous peu sur vos autres appareils.</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>Titre facultatif</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>Saisissez une note ou collez un lien</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>Marquer comme favori</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>Retirer l'image</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>Déposez une image ici</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>Modifier l'élément</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>Modifiez le titre, le contenu, l'image ou le favori.</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>Créé le</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>Dernière synchronisation</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline garde une courte liste de notes, de liens et d'images à jour sur tous vos appareils.</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>Envoyer un commentaire</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - Assistance</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>Partager Stashline</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>Rédiger un avis</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>Centre d'aide</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>Conditions d'utilisation</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>Autres apps</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>Voir toutes les apps</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>Ouvrir Stashline</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>Quitter Stashline</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>L’adresse du compte cloud utilise http:// avec le serveur %1, ce qui enverrait votre mot de passe en clair. Utilisez https:// (http:// n’est accepté que pour cet ordinateur, par exemple 127.0.0.1 ou localhost).</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>Non ouvert : les liens commençant par %1 peuvent ouvrir des fichiers ou lancer des programmes sur cet ordinateur. Seuls les liens web et e-mail sont ouverts.</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>Non ouvert : ce n’est pas une adresse web ou e-mail complète.</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>Impossible d’enregistrer vos modifications</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline ne peut pas continuer</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>Stashline doit s’arrêter à cause du problème ci-dessous. Vos éléments n’ont pas été modifiés.</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>Cette image fait %1 mégapixels ; Stashline accepte les images jusqu’à %2 mégapixels. Choisissez une image plus petite ou réduisez d’abord sa taille.</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>Ce fichier n’a pas pu être lu comme une image.</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>Connectez-vous pour synchroniser vos éléments</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>Non connecté. Connectez-vous à votre propre serveur pour retrouver vos éléments sur tous vos appareils.</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>Connecté en tant que %1 sur %2</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>Base de données : %1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>Dernier téléchargement : %1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>Dernier envoi : %1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>pas encore</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>Ce compte est défini par la variable d’environnement STASHLINE_CLOUD_URL, qui prime sur cette page ; lancez Stashline sans elle pour vous connecter ici.</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>Connexion à votre serveur</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>Se connecter à un autre compte</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>Vos éléments restent sur cet ordinateur et iront vers le prochain compte auquel vous vous connecterez.</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>Connexion…</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>Utiliser un serveur local sur cet ordinateur</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>Garder le mot de passe dans le fichier du compte</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>Configurer la synchronisation…</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>Saisissez l’adresse du serveur avec https://, par exemple https://couch.example.com:6984.</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>Saisissez l’adresse du serveur seule, sans chemin ni nom : https://hôte ou https://hôte:port.</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>Saisissez votre nom d’utilisateur et votre mot de passe.</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>Un nom de base de données commence par une minuscule et ne contient que des minuscules, des chiffres et _$()+-.</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>Le serveur %1 répond, mais pas comme un serveur de bases de données CouchDB.</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>Le serveur n’a pas accepté ce nom d’utilisateur et ce mot de passe.</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>La base de données %1 n’existe pas et ce compte ne peut pas la créer. Demandez à l’administrateur du serveur de la créer, ou saisissez le nom d’une base que vous pouvez utiliser.</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>Ce compte ne peut pas utiliser la base de données %1.</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>Le trousseau qui contient votre mot de passe n’a pas répondu. Reconnectez-vous pour continuer à synchroniser.</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>Votre mot de passe n’est pas dans le trousseau. Reconnectez-vous pour continuer à synchroniser.</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>Aucun trousseau ne répond sur ce bureau : le mot de passe ne peut pas y être conservé. Stashline peut le garder dans son fichier de compte, lisible par vous seul.</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>Le trousseau n’a pas conservé le mot de passe : vous n’êtes pas connecté.</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>Le compte n’a pas pu être enregistré dans votre dossier de réglages.</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>Le compte n’a pas pu être retiré de votre dossier de réglages.</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>Un serveur local nécessite l’outil cloud-server du dossier source de Stashline (avec ses paquets Node.js) et Node.js, que cette installation n’a pas.</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>Le serveur local n’a pas démarré.</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>Ouvrir le panneau de Stashline</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>Certains fichiers n’ont pas pu être ajoutés</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>Ce fichier n’est ni une image ni du texte.</translation>
    </message>
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>Rechercher dans tous les éléments</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>Aucun élément ne correspond à « %1 »</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>D’un site…</translation>
    </message>
    <message id="share.search.filter.lastWeek">
        <source>Last 7 Days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message id="share.search.filter.lastMonth">
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message id="share.search.filter.olderThanYear">
        <source>Older Than a Year</source>
        <translation>Il y a plus d’un an</translation>
    </message>
    <message id="share.search.filter.leaveOut">
        <source>Leave Out a Word…</source>
        <translation>Exclure un mot…</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search demande une REQUÊTE avec des mots ou des filtres, une seule fois</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>Sur cet ordinateur</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>Vos éléments sont conservés sur cet ordinateur. Configurez la synchronisation pour les retrouver aussi sur vos autres appareils.</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>La synchronisation est en pause</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>%1 éléments n’ont pas pu être déchiffrés : ils ont été modifiés sur le serveur ou chiffrés avec une autre clé. Cet appareil les garde tels quels.</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>Cette version de Stashline ne peut pas lire la clé de chiffrement du serveur (%1).</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>Le serveur n’a pas encore fini de nettoyer les anciennes versions.</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>Ce compte est chiffré. Saisissez votre phrase secrète pour synchroniser.</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>L’image de l’enregistrement %1 a été modifiée sur le serveur ou chiffrée avec une autre clé.</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>D’autres appareils ont continué d’écrire des éléments non chiffrés ; le chiffrement reprendra plus tard.</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>Cette phrase secrète n’ouvre pas la clé de ce compte. Rien n’a été modifié.</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>Un autre appareil a chiffré ce compte en premier, avec une autre phrase secrète. Saisissez celle-ci pour synchroniser ici.</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>Entre-temps, la clé du compte a été modifiée sur un autre appareil. Saisissez sa phrase secrète, puis réessayez.</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>Connectez-vous d’abord à un compte.</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>Choisissez une phrase secrète d’au moins %1 caractères.</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>Ce compte n’est pas chiffré.</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>Cet appareil n’a pas pu conserver la clé. Il redemandera la phrase secrète au prochain démarrage.</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>Saisissez d’abord la phrase secrète actuelle : cet appareil ne détient pas la clé du compte.</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>Saisissez exactement le nom de la base de données pour confirmer.</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>Une autre modification du chiffrement est encore en cours.</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>Tout est maintenant chiffré. Le serveur n’a pas permis à ce compte de nettoyer les anciennes versions : des versions antérieures non chiffrées de vos éléments peuvent donc y être encore stockées.</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>Le serveur n’a pas permis à ce compte de nettoyer les anciennes versions : des versions antérieures non chiffrées de vos éléments peuvent y être encore stockées. Pour les supprimer, demandez à l’administrateur du serveur de compacter la base de données, ou passez à une nouvelle base.</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>Vérification de la phrase secrète…</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>Création de la clé du compte…</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>Chiffrement de tous les éléments sur le serveur…</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>Suppression des anciennes versions non chiffrées sur le serveur…</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>Passage à une nouvelle base de données, car ce compte ne peut pas nettoyer les anciennes versions sur le serveur…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>Si le serveur ne permet pas à ce compte de nettoyer les anciennes versions, le chiffrement déplace vos éléments vers une nouvelle base de données sur le même serveur et laisse l’ancienne vide.</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>Tout est maintenant chiffré. Le serveur n’a pas permis à ce compte de nettoyer les anciennes versions : le compte est donc passé à la nouvelle base de données %1, et l’ancienne a été supprimée.</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>Tout est maintenant chiffré. Le serveur n’a pas permis à ce compte de nettoyer les anciennes versions : le compte est donc passé à la nouvelle base de données %1. L’ancienne base a été vidée, mais le serveur n’a pas permis à ce compte de la supprimer : des versions antérieures non chiffrées peuvent y rester.</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>Ce compte a été déplacé ici depuis la base de données %1, car le serveur ne lui permet pas de nettoyer les anciennes versions. Cette base de données ne contient aucune version non chiffrée.</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>Le serveur n’a pas permis à ce compte de supprimer l’ancienne base de données %1 : des versions antérieures non chiffrées de vos éléments peuvent y rester. Demandez à l’administrateur du serveur de la supprimer.</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>D’autres appareils ont continué d’écrire dans l’ancienne base de données ; le déplacement reprendra plus tard.</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>Changement de la phrase secrète…</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>Effacement de la copie dans le cloud et nouveau départ…</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>Chiffrement de bout en bout</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>Désactivé. Quiconque gère ou sauvegarde le serveur peut lire vos titres, notes, liens et images.</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>Ce compte est chiffré et cet appareil n’a pas encore sa clé. Saisissez votre phrase secrète pour synchroniser. D’ici là, rien n’est envoyé ni reçu ; ce que vous ajoutez attend sur cet ordinateur.</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>Activé. Vos titres, notes, liens, images et leurs heures de modification sont chiffrés sur cet appareil avant l’envoi, avec une clé que seuls vos appareils détiennent.</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>Le serveur n’a pas encore indiqué si ce compte est chiffré.</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>Avec le chiffrement activé, le serveur voit toujours que le compte existe, combien d’éléments il contient, leur taille, quand ils changent et leurs identifiants, mais rien de leur contenu.</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>Ce que le serveur voit encore : que le compte existe, combien d’éléments il contient, leur taille, quand ils changent et leurs identifiants. Il ne peut lire ni titres, ni notes, ni liens, ni images, ni heures de modification.</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>Nouvelle phrase secrète</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>Confirmer</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>Les deux phrases secrètes diffèrent.</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>Conservez la phrase secrète en lieu sûr. Personne ne peut la récupérer : sans elle, un nouvel appareil ne pourra pas lire vos éléments.</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>Chiffrer avec une phrase secrète</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>Saisir la phrase secrète</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>Changer la phrase secrète</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>Phrase secrète oubliée ?</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>Recommencer efface tout ce que ce compte garde sur le serveur et envoie les éléments de cet appareil avec une nouvelle phrase secrète. Vos autres appareils demanderont la nouvelle phrase ; une fois saisie, ils renverront les éléments qu’ils détiennent et que cet appareil n’a pas.</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>Recommencer…</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>Pour confirmer, saisissez le nom de la base de données : %1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>Effacer et recommencer</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>Saisissez votre phrase secrète pour synchroniser</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>Votre compte est chiffré. D’ici là, rien n’est envoyé ni reçu ; les nouveaux éléments attendent ici.</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>Le compte a été recommencé sur un autre appareil avec une nouvelle phrase secrète. Saisissez-la pour renvoyer ce que cet appareil détient.</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>La clé du compte a disparu du serveur. La synchronisation est en pause pour que rien ne soit envoyé en clair.</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>Saisir la phrase…</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>Chiffrement : désactivé (le serveur peut lire vos éléments)</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>Chiffrement : activé ; cet ordinateur n’a pas la clé (lancez « stashline account unlock »)</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>Chiffrement : activé ; cet ordinateur détient la clé</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>Chiffrement : inconnu (le serveur n’a pas répondu)</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>Le compte vient de STASHLINE_CLOUD_URL et ne peut pas être modifié ici.</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>Déconnecté. Les éléments restent sur cet ordinateur.</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>Non connecté. Les éléments sont conservés sur cet ordinateur.</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>Serveur : %1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>Utilisateur : %1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>Base de données : %1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>Connecté.</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>Aucun trousseau ne répond ici : le mot de passe est donc conservé dans le fichier du compte, lisible par vous seul.</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>Chiffré. Le serveur ne stocke plus que ce qu’il ne peut pas lire.</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>Déverrouillé. Cet ordinateur se synchronise à nouveau.</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>Phrase secrète changée. Les appareils qui ont la clé continuent de se synchroniser ; un nouvel appareil aura besoin de la nouvelle phrase.</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>Phrase secrète :</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>Confirmer :</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>Aucun mot de passe n’est arrivé sur l’entrée standard.</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>Aucune phrase secrète n’est arrivée sur l’entrée standard.</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>« account » accepte status, sign-in, sign-out, encrypt, unlock ou change-passphrase, pas « %1 ».</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>« account sign-in » attend l’adresse du serveur et --user NOM.</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>« account %1 » ne prend aucun argument.</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>Supprimés récemment</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>Supprimés récemment (%1)</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>Supprimer maintenant</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>Vider la corbeille</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>Supprimer définitivement tout le contenu de Supprimés récemment (%1) ?</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>Jours avant la suppression définitive : %1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>Rien n’a été supprimé récemment. Les éléments supprimés restent ici %1 jours, puis sont supprimés définitivement.</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>« %1 » supprimé</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>Éléments supprimés : %1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>Modification</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>Favori</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>Suppression</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>Restauration</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>Exporter tous les éléments</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Export Stashline</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>Importer des éléments</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>Exports, signets et notes</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>Choisissez un fichier sur cet ordinateur.</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>Éléments exportés : %1, images : %2, dans %3.</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>L’export n’a pas pu être écrit : %1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>Les modifications en attente n’ont pas pu être enregistrées ; rien n’a été exporté : %1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>Import terminé. Nouveaux : %1, mis à jour : %2, déjà à jour : %3.</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>L’archive est endommagée ou incomplète ; rien n’a été importé.</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>L’archive a été écrite par une version plus récente de Stashline ; mettez Stashline à jour pour l’importer. Rien n’a été importé.</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 est trop volumineux pour être importé ; rien n’a été importé.</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>%1 dans l’archive n’est pas une image JPEG ; rien n’a été importé.</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>Le fichier %1 n’existe pas.</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1 ne contient aucun texte ; rien n’a été importé.</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1 n’est pas un fichier que Stashline peut importer. Choisissez un export Stashline (.zip), un fichier de signets d’un navigateur (.html) ou une note texte ou Markdown (.txt, .md).</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>Pas de place pour décompresser l’import ; rien n’a été importé : %1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>L’import n’a pas pu être enregistré ; rien n’a été importé : %1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>« %1 » a été placé dans Supprimés récemment ; il sera supprimé définitivement après %2 jours.</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>« %1 » a été restauré.</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>Supprimés récemment est vide.</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>Il n’y a pas d’élément %1 dans Supprimés récemment ; il en contient %2 (voir 'stashline list --trash').</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>L’élément %1 n’est pas dans Supprimés récemment.</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>L’élément %1 est dans Supprimés récemment ; restaurez-le d’abord ('stashline restore').</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1 attend un FICHIER</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>Prendre une photo</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>Impossible de lire cette image.</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>Hors ligne. Vos modifications restent sur ce téléphone et partent dès le retour de la connexion.</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>Impossible de joindre votre serveur. Nouvel essai…</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>Vos éléments sont chiffrés</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>Saisissez votre phrase secrète pour les voir et les synchroniser. D'ici là, cette page n'affiche et ne modifie rien.</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>Cette phrase secrète n'ouvre pas vos éléments. Rien n'a été modifié.</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>Ouvrir sur votre téléphone</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>Place l'application web Stashline sur votre serveur, à côté de vos éléments. Le navigateur de votre téléphone l'ouvre avec le même compte et garde une copie qui fonctionne hors ligne.</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>Publier sur mon serveur</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>Publication…</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>Ouvrez cette adresse sur votre téléphone ou scannez le code :</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>Ce serveur tourne sur cet ordinateur (127.0.0.1) : un téléphone ne peut pas l'atteindre. Connectez-vous à un serveur que votre téléphone peut joindre, comme un CouchDB hébergé ou le vôtre derrière HTTPS, puis publiez à nouveau.</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>Impossible de publier l'application web : %1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>Code QR de l'adresse</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>Cette version de Stashline ne contient pas l'application web.</translation>
    </message>
</context>
</TS>
