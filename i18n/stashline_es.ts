<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Uso: stashline [ARCHIVO|URL]...
  o: stashline add [--title TÍTULO] [--favorite] TEXTO|-|--image ARCHIVO|--clipboard
  o: stashline list [--json] [--favorites|--history|--trash] [--search CONSULTA]
  o: stashline copy ELEMENTO
  o: stashline open ELEMENTO
  o: stashline delete|restore ELEMENTO
  o: stashline export|import ARCHIVO
  o: stashline account status|sign-in|sign-out|encrypt|unlock|change-passphrase
Guarda notas, enlaces e imágenes para llevarlos a tus otros dispositivos.

Sin argumentos, inicia Stashline o trae su ventana al frente. Cada ARCHIVO o URL
se convierte en un elemento: un archivo de imagen en una imagen y uno de texto en
una nota, ambos titulados con el nombre del archivo, y una URL en un enlace. Un
archivo que falta o que no se puede añadir se indica en su propia línea; los demás
se añaden.

Órdenes:
  add TEXTO...           añade una nota, o un enlace si TEXTO es una URL con esquema
  add -                  añade el texto leído de la entrada estándar
    -t, --title TÍTULO   pone un título al elemento (una imagen lleva el nombre de su archivo)
    -f, --favorite       marca el elemento como favorito
    -i, --image ARCHIVO  añade la imagen de ARCHIVO (JPEG, PNG, WebP, GIF, ...)
    -c, --clipboard      añade lo que hay en el portapapeles: una imagen, un enlace o texto
  list                   muestra los elementos numerados y agrupados como en la ventana
    --json               como matriz JSON (uuid, title, content, kind, favorite,
                         created, syncStatus, group, section)
    --favorites          solo los favoritos más antiguos
    --history            solo el historial
    --trash              solo Eliminados recientemente, con su propia numeración
    --search CONSULTA    solo los elementos que coinciden con CONSULTA, el mejor
                         primero: palabras, "frases", -palabra, is:fav, is:note,
                         is:link, is:picture, site:HOST, before:AAAA-MM-DD, after:...
  copy ELEMENTO          copia al portapapeles el enlace, el texto o la imagen de un elemento
  open ELEMENTO          abre el enlace de un elemento en tu navegador o programa de correo
  delete ELEMENTO        mueve un elemento a Eliminados recientemente (30 días)
  restore ELEMENTO       recupera un elemento de Eliminados recientemente; ELEMENTO
                         es su UUID o su número en 'stashline list --trash'
  export ARCHIVO         guarda todos los elementos, también los eliminados
                         recientemente, con sus imágenes en un archivo (.zip)
  import ARCHIVO         lee una exportación, un archivo de marcadores del
                         navegador (.html) o una nota de texto o Markdown (.txt,
                         .md); los elementos que ya existen no se duplican
  account status         muestra el servidor, el usuario, la base de datos, si está
    --json               cifrada y si este equipo tiene su clave
  account sign-in URL --user NOMBRE [--database BD]
                         inicia sesión; la contraseña se lee de la entrada estándar
  account sign-out       cierra la sesión; los elementos se quedan en este equipo
  account encrypt        cifra la cuenta con una frase de contraseña (entrada estándar)
  account unlock         da la clave a este equipo con la frase (entrada estándar)
  account change-passphrase
                         guarda la misma clave con una frase nueva (entrada estándar)
ELEMENTO es el UUID de un elemento o su número en 'stashline list'.

Opciones:
      --panel            abre el panel de la bandeja (asígnalo a un atajo de teclado)
  -h, --help             muestra esta ayuda y termina
      --version          muestra la versión y termina

Mientras Stashline está abierto, es él quien ejecuta la orden, así que un elemento
nuevo aparece al momento y se sube. Si no, la orden trabaja directamente sobre el
almacén y el siguiente inicio de Stashline sube lo que añadió. STASHLINE_GROUP_DIR
elige otro almacén. En una terminal, los caracteres de control de los títulos se
muestran escapados (\x1B, \u202E).

Estado de salida: 0 hecho, 1 fallo (el motivo va a la salida de error estándar), 2 uso incorrecto.
list --search termina con 1 cuando ningún elemento coincide.
</translation>
    </message>
    <message id="cli.usage.tryHelp">
        <source>Try 'stashline --help' for more information.</source>
        <translation>Prueba 'stashline --help' para más información.</translation>
    </message>
    <message id="cli.usage.addNeedsSource">
        <source>add needs a TEXT, '-', --image FILE or --clipboard</source>
        <translation>add necesita un TEXTO, '-', --image ARCHIVO o --clipboard</translation>
    </message>
    <message id="cli.usage.addOneSource">
        <source>add takes one of TEXT, '-', --image FILE or --clipboard</source>
        <translation>add admite solo uno de TEXTO, '-', --image ARCHIVO o --clipboard</translation>
    </message>
    <message id="cli.usage.addOnce">
        <source>add takes --title and --image once</source>
        <translation>add admite --title y --image una sola vez</translation>
    </message>
    <message id="cli.usage.listNoArguments">
        <source>list takes no arguments</source>
        <translation>list no admite argumentos</translation>
    </message>
    <message id="cli.usage.listOneScope">
        <source>list takes one of --favorites, --history and --trash</source>
        <translation>list admite solo una de --favorites, --history y --trash</translation>
    </message>
    <message id="cli.usage.oneItem %1">
        <source>%1 takes one item: its UUID or its number in 'stashline list'</source>
        <translation>%1 admite un elemento: su UUID o su número en 'stashline list'</translation>
    </message>
    <message id="cli.usage.notUtf8">
        <source>an argument is not valid UTF-8 text</source>
        <translation>un argumento no es texto UTF-8 válido</translation>
    </message>
    <message id="cli.usage.unknownOption %1">
        <source>unknown option '%1'</source>
        <translation>opción desconocida '%1'</translation>
    </message>
    <message id="cli.usage.noCommand %1">
        <source>'%1' is no command, file or URL</source>
        <translation>'%1' no es una orden, un archivo ni una URL</translation>
    </message>
    <message id="cli.request.unreadable">
        <source>The request is not one JSON object on one line.</source>
        <translation>La solicitud no es un objeto JSON en una línea.</translation>
    </message>
    <message id="cli.request.unknownCommand %1">
        <source>Unknown request “%1”.</source>
        <translation>Solicitud desconocida «%1».</translation>
    </message>
    <message id="cli.request.field %1">
        <source>The request's field “%1” is unknown, missing or of the wrong type.</source>
        <translation>El campo «%1» de la solicitud es desconocido, falta o tiene un tipo incorrecto.</translation>
    </message>
    <message id="cli.request.oneSource">
        <source>An add request takes one of text, image or clipboard.</source>
        <translation>Una solicitud add admite solo uno de texto, imagen o portapapeles.</translation>
    </message>
    <message id="cli.request.tooLarge">
        <source>The request is too large.</source>
        <translation>La solicitud es demasiado grande.</translation>
    </message>
    <message id="cli.instance.starting">
        <source>Stashline is still starting; try again.</source>
        <translation>Stashline todavía se está iniciando; inténtalo de nuevo.</translation>
    </message>
    <message id="cli.instance.broughtToFront">
        <source>Stashline is already running; its window was brought to the front.</source>
        <translation>Stashline ya está abierto; su ventana se ha traído al frente.</translation>
    </message>
    <message id="cli.instance.noAnswer">
        <source>Stashline is running but did not answer.</source>
        <translation>Stashline está abierto pero no ha respondido.</translation>
    </message>
    <message id="cli.store.cannotLock %1">
        <source>The store in %1 cannot be locked for writing.</source>
        <translation>No se puede bloquear el almacén de %1 para escribir en él.</translation>
    </message>
    <message id="cli.store.busy">
        <source>The store is busy; try again.</source>
        <translation>El almacén está ocupado; inténtalo de nuevo.</translation>
    </message>
    <message id="cli.stdin.unreadable">
        <source>Standard input cannot be read.</source>
        <translation>No se puede leer la entrada estándar.</translation>
    </message>
    <message id="cli.stdin.notUtf8">
        <source>Standard input is not UTF-8 text; nothing was added.</source>
        <translation>La entrada estándar no es texto UTF-8; no se ha añadido nada.</translation>
    </message>
    <message id="cli.desktop.none">
        <source>No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.</source>
        <translation>No hay sesión de escritorio (DISPLAY o WAYLAND_DISPLAY) para usar el portapapeles o un navegador.</translation>
    </message>
    <message id="cli.add.clipboardEmpty">
        <source>The clipboard holds nothing to add.</source>
        <translation>El portapapeles no contiene nada que añadir.</translation>
    </message>
    <message id="cli.add.notSavedYet %1">
        <source>Stashline keeps the item but could not save it yet: %1</source>
        <translation>Stashline conserva el elemento, pero todavía no ha podido guardarlo: %1</translation>
    </message>
    <message id="cli.add.notSaved %1">
        <source>The item could not be saved: %1</source>
        <translation>No se ha podido guardar el elemento: %1</translation>
    </message>
    <message id="cli.file.missing">
        <source>There is no such file.</source>
        <translation>Este archivo no existe.</translation>
    </message>
    <message id="cli.item.none %1 %2">
        <source>There is no item %1: `stashline list` numbers the items from 1 to %2.</source>
        <translation>No hay ningún elemento %1: `stashline list` numera los elementos del 1 al %2.</translation>
    </message>
    <message id="cli.item.noneInEmptyList %1">
        <source>There is no item %1: the list is empty.</source>
        <translation>No hay ningún elemento %1: la lista está vacía.</translation>
    </message>
    <message id="cli.item.notAnItem %1">
        <source>“%1” is neither an item number nor a UUID.</source>
        <translation>«%1» no es un número de elemento ni un UUID.</translation>
    </message>
    <message id="cli.item.noUuid %1">
        <source>There is no item %1.</source>
        <translation>No hay ningún elemento %1.</translation>
    </message>
    <message id="cli.copy.link %1">
        <source>Copied the link %1</source>
        <translation>Enlace copiado: %1</translation>
    </message>
    <message id="cli.copy.picture">
        <source>Copied the picture</source>
        <translation>Imagen copiada</translation>
    </message>
    <message id="cli.copy.text">
        <source>Copied the text</source>
        <translation>Texto copiado</translation>
    </message>
    <message id="cli.copy.pictureMissing">
        <source>The picture of this item is not on this computer yet.</source>
        <translation>La imagen de este elemento todavía no está en este ordenador.</translation>
    </message>
    <message id="cli.copy.nothing">
        <source>The item holds nothing to copy.</source>
        <translation>El elemento no contiene nada que copiar.</translation>
    </message>
    <message id="cli.open.noLink">
        <source>The item has no link.</source>
        <translation>El elemento no tiene enlace.</translation>
    </message>
    <message id="cli.open.failed %1">
        <source>No program opened %1.</source>
        <translation>Ningún programa ha abierto %1.</translation>
    </message>
    <message id="cli.open.done %1">
        <source>Opened %1</source>
        <translation>Abierto: %1</translation>
    </message>
    <message id="share.input.nothingToAdd">
        <source>Nothing to add: the text is empty.</source>
        <translation>Nada que añadir: el texto está vacío.</translation>
    </message>
    <message id="share.input.nothingToSave">
        <source>Nothing to save: the title, the text and the picture are empty.</source>
        <translation>Nada que guardar: el título, el texto y la imagen están vacíos.</translation>
    </message>
    <message id="share.composer.image.notSaved %1">
        <source>The picture could not be saved in %1.</source>
        <translation>No se ha podido guardar la imagen en %1.</translation>
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
    <message id="cloud.error.answerTooLarge">
        <source>The cloud server at %1 sent an answer larger than %2 MB; it was not read.</source>
        <translation>El servidor en la nube en %1 envió una respuesta de más de %2 MB; no se leyó.</translation>
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
        <source>No cloud account is set up yet.</source>
        <translation>Todavía no hay ninguna cuenta en la nube configurada.</translation>
    </message>
    <message id="cloud.account.unreadable">
        <source>The cloud account settings cannot be read.</source>
        <translation>No se pueden leer los ajustes de la cuenta en la nube.</translation>
    </message>
    <message id="cloud.account.tooOpen">
        <source>The cloud account settings can be read by other users of this computer, so they are not used.</source>
        <translation>Otros usuarios de este equipo pueden leer los ajustes de la cuenta en la nube, por lo que no se usan.</translation>
    </message>
    <message id="cloud.account.malformed">
        <source>The cloud account settings are not valid.</source>
        <translation>Los ajustes de la cuenta en la nube no son válidos.</translation>
    </message>
    <message id="tab.shares">
        <source>Stash</source>
        <translation>Guardados</translation>
    </message>
    <message id="tab.history">
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message id="tab.about">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="share.list.title.recent">
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message id="share.list.header.subtitle">
        <source>Notes, links and images to take along to your other devices.</source>
        <translation>Notas, enlaces e imágenes para llevar a tus otros dispositivos.</translation>
    </message>
    <message id="share.sync.banner.syncing">
        <source>Syncing with the cloud…</source>
        <translation>Sincronizando con la nube…</translation>
    </message>
    <message id="share.sync.banner.failed">
        <source>Couldn't download from the cloud</source>
        <translation>No se pudo descargar de la nube</translation>
    </message>
    <message id="share.sync.download.retry">
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message id="share.list.empty.message">
        <source>Nothing saved yet. Add a note, a link or an image to have it on all your devices.</source>
        <translation>Aún no hay nada guardado. Añade una nota, un enlace o una imagen para tenerlos en todos tus dispositivos.</translation>
    </message>
    <message id="share.list.add.accessibility">
        <source>New Item</source>
        <translation>Nuevo elemento</translation>
    </message>
    <message id="share.list.download.accessibility">
        <source>Download from the cloud</source>
        <translation>Descargar de la nube</translation>
    </message>
    <message id="Favorite">
        <source>Favorite</source>
        <translation>Favorito</translation>
    </message>
    <message id="Unfavorite">
        <source>Unfavorite</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message id="general.delete">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="general.delete.confirmation.title">
        <source>Delete this item?</source>
        <translation>¿Eliminar este elemento?</translation>
    </message>
    <message id="general.delete.confirmation.message">
        <source>It will be removed from all your devices. This can't be undone.</source>
        <translation>Se eliminará de todos tus dispositivos. No se puede deshacer.</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="general.add">
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message id="general.save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="general.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="general.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="general.back">
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message id="share.history.title">
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message id="share.history.subtitle">
        <source>Items older than a few days, by the day they were saved.</source>
        <translation>Elementos de hace más de unos días, por el día en que se guardaron.</translation>
    </message>
    <message id="share.history.empty">
        <source>No history yet</source>
        <translation>Todavía no hay historial</translation>
    </message>
    <message id="share.item.untitled">
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message id="share.row.image.memory">
        <source>Saved image</source>
        <translation>Imagen guardada</translation>
    </message>
    <message id="share.row.type.note">
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message id="share.row.type.link">
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message id="share.row.type.image">
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message id="share.row.return.before %1">
        <source>Return before %1</source>
        <translation>Devolver antes del %1</translation>
    </message>
    <message id="share.row.saved %1">
        <source>Saved %1</source>
        <translation>Guardado el %1</translation>
    </message>
    <message id="share.sync.status.pending">
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message id="share.sync.status.syncing">
        <source>Syncing</source>
        <translation>Sincronizando</translation>
    </message>
    <message id="share.sync.status.synced">
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message id="share.sync.status.failed">
        <source>Not synced</source>
        <translation>Sin sincronizar</translation>
    </message>
    <message id="share.sync.retry">
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message id="share.composer.subtitle">
        <source>Write a note, paste a link or attach an image. It appears on your other devices in a moment.</source>
        <translation>Escribe una nota, pega un enlace o adjunta una imagen. Aparecerá enseguida en tus otros dispositivos.</translation>
    </message>
    <message id="share.composer.title.label">
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message id="share.extension.title.placeholder">
        <source>Optional title</source>
        <translation>Título opcional</translation>
    </message>
    <message id="share.composer.content.label">
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message id="share.list.quickAdd.placeholder">
        <source>Type a note or paste a link</source>
        <translation>Escribe una nota o pega un enlace</translation>
    </message>
    <message id="share.composer.image.label">
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message id="share.list.add.image">
        <source>Choose Image</source>
        <translation>Elegir imagen</translation>
    </message>
    <message id="share.composer.favorite.accessibility">
        <source>Mark as favorite</source>
        <translation>Marcar como favorito</translation>
    </message>
    <message id="share.composer.removeImage.accessibility">
        <source>Remove image</source>
        <translation>Quitar imagen</translation>
    </message>
    <message id="share.composer.imageFilter">
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message id="share.composer.drop.hint">
        <source>Drop an image here</source>
        <translation>Suelta una imagen aquí</translation>
    </message>
    <message id="share.edit.title">
        <source>Edit Item</source>
        <translation>Editar elemento</translation>
    </message>
    <message id="share.edit.subtitle">
        <source>Change the title, the content, the image or the favorite mark.</source>
        <translation>Cambia el título, el contenido, la imagen o la marca de favorito.</translation>
    </message>
    <message id="share.edit.created_at">
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message id="share.edit.last_edited">
        <source>Last synced</source>
        <translation>Última sincronización</translation>
    </message>
    <message id="about.description">
        <source>Stashline keeps a short list of notes, links and images in step on all your devices.</source>
        <translation>Stashline mantiene una lista corta de notas, enlaces e imágenes al día en todos tus dispositivos.</translation>
    </message>
    <message id="about.feedback">
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message id="about.feedback.subject">
        <source>Stashline - Support</source>
        <translation>Stashline - Soporte</translation>
    </message>
    <message id="about.shareApp">
        <source>Share Stashline</source>
        <translation>Compartir Stashline</translation>
    </message>
    <message id="about.share.copyLink">
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message id="about.share.email">
        <source>Send by E-mail</source>
        <translation>Enviar por correo</translation>
    </message>
    <message id="about.writeReview">
        <source>Write a Review</source>
        <translation>Escribir una reseña</translation>
    </message>
    <message id="about.helpCenter">
        <source>Help Center</source>
        <translation>Centro de ayuda</translation>
    </message>
    <message id="about.privacyPolicy">
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message id="about.termsOfUse">
        <source>Terms of Use</source>
        <translation>Condiciones de uso</translation>
    </message>
    <message id="about.otherApps">
        <source>More Apps</source>
        <translation>Más apps</translation>
    </message>
    <message id="about.view">
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message id="about.viewAllApps">
        <source>View All Apps</source>
        <translation>Ver todas las apps</translation>
    </message>
    <message id="Stashline %1">
        <source>Stashline %1</source>
        <translation>Stashline %1</translation>
    </message>
    <message id="tray.open">
        <source>Open Stashline</source>
        <translation>Abrir Stashline</translation>
    </message>
    <message id="tray.quit">
        <source>Quit Stashline</source>
        <translation>Salir de Stashline</translation>
    </message>
    <message id="cloud.account.insecure">
        <source>The cloud account address uses http:// with the server %1, which would send your password unencrypted. Use https:// (http:// is accepted only for this computer, such as 127.0.0.1 or localhost).</source>
        <translation>La dirección de la cuenta en la nube usa http:// con el servidor %1, lo que enviaría su contraseña sin cifrar. Use https:// (http:// solo se acepta para este equipo, como 127.0.0.1 o localhost).</translation>
    </message>
    <message id="share.row.link.notOpened %1">
        <source>Not opened: links starting with %1 can open files or run programs on this computer. Only web and email links are opened.</source>
        <translation>No se abrió: los enlaces que empiezan por %1 pueden abrir archivos o ejecutar programas en este equipo. Solo se abren enlaces web y de correo.</translation>
    </message>
    <message id="share.row.link.malformed">
        <source>Not opened: this is not a complete web or email address.</source>
        <translation>No se abrió: no es una dirección web o de correo completa.</translation>
    </message>
    <message id="share.save.banner.failed">
        <source>Could not save your changes</source>
        <translation>No se pudieron guardar los cambios</translation>
    </message>
    <message id="share.save.retry">
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message id="app.fatal.title">
        <source>Stashline cannot continue</source>
        <translation>Stashline no puede continuar</translation>
    </message>
    <message id="app.fatal.message">
        <source>Stashline has to stop because of the problem below. Nothing was changed in your items.</source>
        <translation>Stashline tiene que cerrarse por el problema que se indica abajo. No se ha cambiado nada en sus elementos.</translation>
    </message>
    <message id="share.composer.image.tooLarge %1 %2">
        <source>This picture has %1 megapixels; Stashline takes pictures of up to %2 megapixels. Choose a smaller picture or reduce its size first.</source>
        <translation>Esta imagen tiene %1 megapíxeles; Stashline admite imágenes de hasta %2 megapíxeles. Elija una imagen más pequeña o reduzca antes su tamaño.</translation>
    </message>
    <message id="share.composer.image.unreadable">
        <source>This file could not be read as a picture.</source>
        <translation>Este archivo no se pudo leer como imagen.</translation>
    </message>
    <message id="account.title">
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message id="account.card.signedOut">
        <source>Sign in to sync your items</source>
        <translation>Inicia sesión para sincronizar tus elementos</translation>
    </message>
    <message id="account.state.signedOut">
        <source>Not signed in. Sign in to your own server to keep your items on every device.</source>
        <translation>No has iniciado sesión. Inicia sesión en tu propio servidor para tener tus elementos en todos tus dispositivos.</translation>
    </message>
    <message id="account.state.signedIn">
        <source>Signed in as %1 on %2</source>
        <translation>Sesión iniciada como %1 en %2</translation>
    </message>
    <message id="account.state.database">
        <source>Database: %1</source>
        <translation>Base de datos: %1</translation>
    </message>
    <message id="account.state.lastDownload">
        <source>Last download: %1</source>
        <translation>Última descarga: %1</translation>
    </message>
    <message id="account.state.lastUpload">
        <source>Last upload: %1</source>
        <translation>Última subida: %1</translation>
    </message>
    <message id="account.state.never">
        <source>not yet</source>
        <translation>todavía no</translation>
    </message>
    <message id="account.state.environment">
        <source>This account is set by the STASHLINE_CLOUD_URL environment variable, which overrides the account page; start Stashline without it to sign in here.</source>
        <translation>Esta cuenta la fija la variable de entorno STASHLINE_CLOUD_URL, que prevalece sobre esta página; inicia Stashline sin ella para iniciar sesión aquí.</translation>
    </message>
    <message id="account.signIn.title">
        <source>Sign in to your server</source>
        <translation>Inicia sesión en tu servidor</translation>
    </message>
    <message id="account.signIn.other">
        <source>Sign in to another account</source>
        <translation>Iniciar sesión en otra cuenta</translation>
    </message>
    <message id="account.field.server">
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message id="account.field.user">
        <source>User name</source>
        <translation>Usuario</translation>
    </message>
    <message id="account.field.password">
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message id="account.field.database">
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message id="account.field.database.automatic">
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message id="account.signIn">
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message id="account.signOut">
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message id="account.signOut.note">
        <source>Your items stay on this computer and go to the next account you sign in to.</source>
        <translation>Tus elementos se quedan en este ordenador y pasan a la siguiente cuenta en la que inicies sesión.</translation>
    </message>
    <message id="account.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="account.working">
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message id="account.useLocalServer">
        <source>Use a Local Server on This Computer</source>
        <translation>Usar un servidor local en este ordenador</translation>
    </message>
    <message id="account.keyring.keepInFile">
        <source>Keep the Password in the Account File</source>
        <translation>Guardar la contraseña en el archivo de la cuenta</translation>
    </message>
    <message id="account.banner.setUp">
        <source>Set Up Sync…</source>
        <translation>Configurar sincronización…</translation>
    </message>
    <message id="account.error.address">
        <source>Type the server's address with https://, for example https://couch.example.com:6984.</source>
        <translation>Escribe la dirección del servidor con https://, por ejemplo https://couch.example.com:6984.</translation>
    </message>
    <message id="account.error.addressPath">
        <source>Type the server's address alone, without a path or a name: https://host or https://host:port.</source>
        <translation>Escribe solo la dirección del servidor, sin ruta ni nombre: https://host o https://host:puerto.</translation>
    </message>
    <message id="account.error.credentialsMissing">
        <source>Type your user name and password.</source>
        <translation>Escribe tu usuario y tu contraseña.</translation>
    </message>
    <message id="account.error.databaseName">
        <source>A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-.</source>
        <translation>El nombre de una base de datos empieza por una letra minúscula y solo contiene minúsculas, dígitos y _$()+-.</translation>
    </message>
    <message id="account.error.notCouch">
        <source>The server at %1 answers, but not as a CouchDB database server.</source>
        <translation>El servidor en %1 responde, pero no como un servidor de bases de datos CouchDB.</translation>
    </message>
    <message id="account.error.credentials">
        <source>The server did not accept this user name and password.</source>
        <translation>El servidor no aceptó este usuario y contraseña.</translation>
    </message>
    <message id="account.error.cannotCreate">
        <source>The database %1 does not exist, and this account may not create it. Ask the server's administrator to create it, or type the name of one you may use.</source>
        <translation>La base de datos %1 no existe y esta cuenta no puede crearla. Pide al administrador del servidor que la cree o escribe el nombre de una que puedas usar.</translation>
    </message>
    <message id="account.error.databaseForbidden">
        <source>This account may not use the database %1.</source>
        <translation>Esta cuenta no puede usar la base de datos %1.</translation>
    </message>
    <message id="account.error.keyringUnanswered">
        <source>The keyring that holds your password did not answer. Sign in again to go on syncing.</source>
        <translation>El llavero que guarda tu contraseña no respondió. Vuelve a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message id="account.error.keyringMissing">
        <source>Your password is not in the keyring. Sign in again to go on syncing.</source>
        <translation>Tu contraseña no está en el llavero. Vuelve a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message id="account.keyring.unavailable">
        <source>No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it in its account file instead, readable by you alone.</source>
        <translation>Ningún llavero responde en este escritorio, así que la contraseña no puede guardarse allí. Stashline puede guardarla en su archivo de cuenta, que solo tú puedes leer.</translation>
    </message>
    <message id="account.keyring.refused">
        <source>The keyring did not keep the password, so you are not signed in.</source>
        <translation>El llavero no guardó la contraseña, así que no has iniciado sesión.</translation>
    </message>
    <message id="account.error.fileWrite">
        <source>The account could not be saved in your settings folder.</source>
        <translation>No se pudo guardar la cuenta en tu carpeta de configuración.</translation>
    </message>
    <message id="account.error.fileRemove">
        <source>The account could not be removed from your settings folder.</source>
        <translation>No se pudo quitar la cuenta de tu carpeta de configuración.</translation>
    </message>
    <message id="account.localServer.missing">
        <source>A local server needs the cloud-server tool of Stashline's source folder (with its Node.js packages) and Node.js, which this installation does not have.</source>
        <translation>Un servidor local necesita la herramienta cloud-server de la carpeta de código de Stashline (con sus paquetes de Node.js) y Node.js, que esta instalación no tiene.</translation>
    </message>
    <message id="account.localServer.failed">
        <source>The local server did not start.</source>
        <translation>El servidor local no se inició.</translation>
    </message>
    <message id="shortcut.panel.description">
        <source>Open the Stashline panel</source>
        <translation>Abrir el panel de Stashline</translation>
    </message>
    <message id="share.send.banner.failed">
        <source>Some files could not be added</source>
        <translation>No se pudieron añadir algunos archivos</translation>
    </message>
    <message id="share.send.banner.dismiss">
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
    <message id="share.send.unsupported">
        <source>This file is neither a picture nor text.</source>
        <translation>Este archivo no es ni una imagen ni texto.</translation>
    </message>
    <message id="share.search.placeholder">
        <source>Search All Items</source>
        <translation>Buscar en todos los elementos</translation>
    </message>
    <message id="share.search.clear">
        <source>Clear Search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message id="share.search.filters">
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message id="share.search.noResults %1">
        <source>No items match “%1”</source>
        <translation>Ningún elemento coincide con «%1»</translation>
    </message>
    <message id="share.search.filter.favorites">
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message id="share.search.filter.notes">
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message id="share.search.filter.links">
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message id="share.search.filter.pictures">
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message id="share.search.filter.site">
        <source>From a Site…</source>
        <translation>De un sitio…</translation>
    </message>
    <message id="share.search.filter.lastWeek">
        <source>Last 7 Days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message id="share.search.filter.lastMonth">
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message id="share.search.filter.olderThanYear">
        <source>Older Than a Year</source>
        <translation>Hace más de un año</translation>
    </message>
    <message id="share.search.filter.leaveOut">
        <source>Leave Out a Word…</source>
        <translation>Excluir una palabra…</translation>
    </message>
    <message id="cli.usage.listSearch">
        <source>list --search needs a QUERY with words or filters, once</source>
        <translation>list --search necesita una CONSULTA con palabras o filtros, una sola vez</translation>
    </message>
    <message id="share.sync.status.local">
        <source>On this computer</source>
        <translation>En este equipo</translation>
    </message>
    <message id="share.sync.banner.local">
        <source>Your items are kept on this computer. Set up sync to have them on your other devices too.</source>
        <translation>Tus elementos se guardan en este equipo. Configura la sincronización para tenerlos también en tus otros dispositivos.</translation>
    </message>
    <message id="account.banner.problem">
        <source>Sync is paused</source>
        <translation>La sincronización está en pausa</translation>
    </message>
    <message id="window.title.device">
        <source>Stashline — %1</source>
        <translation>Stashline — %1</translation>
    </message>
    <message id="cloud.error.unopened %1">
        <source>%1 items could not be decrypted: they were changed on the server or sealed with another key. This device keeps them as they were.</source>
        <translation>No se pudieron descifrar %1 elementos: se modificaron en el servidor o se cifraron con otra clave. Este dispositivo los conserva como estaban.</translation>
    </message>
    <message id="cloud.error.keyDocument">
        <source>The encryption key on the server cannot be read by this version of Stashline (%1).</source>
        <translation>Esta versión de Stashline no puede leer la clave de cifrado del servidor (%1).</translation>
    </message>
    <message id="cloud.error.compactionSlow">
        <source>The server has not finished cleaning up old versions yet.</source>
        <translation>El servidor aún no ha terminado de limpiar las versiones antiguas.</translation>
    </message>
    <message id="cloud.error.locked">
        <source>This account is encrypted. Enter your passphrase to sync.</source>
        <translation>Esta cuenta está cifrada. Introduce tu frase de contraseña para sincronizar.</translation>
    </message>
    <message id="cloud.error.pictureUnauthentic">
        <source>The picture of record %1 was changed on the server or sealed with another key.</source>
        <translation>La imagen del registro %1 se modificó en el servidor o se cifró con otra clave.</translation>
    </message>
    <message id="cloud.error.sweepUnfinished">
        <source>Other devices kept writing unencrypted items; encrypting goes on later.</source>
        <translation>Otros dispositivos siguieron escribiendo elementos sin cifrar; el cifrado continuará más tarde.</translation>
    </message>
    <message id="encryption.error.wrongPassphrase">
        <source>That passphrase does not open this account's key. Nothing was changed.</source>
        <translation>Esa frase de contraseña no abre la clave de esta cuenta. No se ha cambiado nada.</translation>
    </message>
    <message id="encryption.error.otherKeyFirst">
        <source>Another device encrypted this account first, with another passphrase. Enter that passphrase to sync here.</source>
        <translation>Otro dispositivo cifró esta cuenta antes, con otra frase de contraseña. Introduce esa frase para sincronizar aquí.</translation>
    </message>
    <message id="encryption.error.changedElsewhere">
        <source>The account's key was changed on another device meanwhile. Enter its passphrase, then try again.</source>
        <translation>Mientras tanto, la clave de la cuenta se cambió en otro dispositivo. Introduce su frase de contraseña y vuelve a intentarlo.</translation>
    </message>
    <message id="encryption.error.noAccount">
        <source>Sign in to an account first.</source>
        <translation>Primero inicia sesión en una cuenta.</translation>
    </message>
    <message id="encryption.error.shortPassphrase">
        <source>Choose a passphrase of at least %1 characters.</source>
        <translation>Elige una frase de contraseña de al menos %1 caracteres.</translation>
    </message>
    <message id="encryption.error.notEncrypted">
        <source>This account is not encrypted.</source>
        <translation>Esta cuenta no está cifrada.</translation>
    </message>
    <message id="encryption.error.keyNotKept">
        <source>This device could not keep the key. It will ask for the passphrase again at the next start.</source>
        <translation>Este dispositivo no pudo guardar la clave. Volverá a pedir la frase de contraseña la próxima vez que se inicie.</translation>
    </message>
    <message id="encryption.error.notUnlocked">
        <source>Enter the current passphrase first: this device does not hold the account's key.</source>
        <translation>Primero introduce la frase de contraseña actual: este dispositivo no tiene la clave de la cuenta.</translation>
    </message>
    <message id="encryption.error.confirmation">
        <source>Type the database's name exactly to confirm.</source>
        <translation>Escribe el nombre exacto de la base de datos para confirmar.</translation>
    </message>
    <message id="encryption.error.busy">
        <source>Another change of encryption is still running.</source>
        <translation>Todavía hay otro cambio de cifrado en curso.</translation>
    </message>
    <message id="encryption.done.oldVersionsMayRemain">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so earlier, unencrypted versions of your items may still be stored there.</source>
        <translation>Ya está todo cifrado. El servidor no permitió a esta cuenta limpiar las versiones antiguas, así que puede que aún guarde versiones anteriores de tus elementos sin cifrar.</translation>
    </message>
    <message id="encryption.oldVersions">
        <source>The server did not let this account clean up old versions: earlier, unencrypted versions of your items may still be stored there. To remove them, ask whoever runs the server to compact the database, or move to a new database.</source>
        <translation>El servidor no permitió a esta cuenta limpiar las versiones antiguas: puede que aún guarde versiones anteriores de tus elementos sin cifrar. Para eliminarlas, pide a quien administra el servidor que compacte la base de datos, o cámbiate a una base de datos nueva.</translation>
    </message>
    <message id="encryption.activity.unlocking">
        <source>Checking the passphrase…</source>
        <translation>Comprobando la frase de contraseña…</translation>
    </message>
    <message id="encryption.activity.encrypting">
        <source>Making the account's key…</source>
        <translation>Creando la clave de la cuenta…</translation>
    </message>
    <message id="encryption.activity.sealing">
        <source>Encrypting every item on the server…</source>
        <translation>Cifrando todos los elementos en el servidor…</translation>
    </message>
    <message id="encryption.activity.compacting">
        <source>Removing old, unencrypted versions from the server…</source>
        <translation>Eliminando del servidor las versiones antiguas sin cifrar…</translation>
    </message>
    <message id="encryption.activity.moving">
        <source>Moving to a new database, because this account may not clean up old versions on the server…</source>
        <translation>Cambiando a una base de datos nueva, porque esta cuenta no puede limpiar las versiones antiguas en el servidor…</translation>
    </message>
    <message id="encryption.moveNote">
        <source>If the server does not let this account clean up old versions, encrypting moves your items to a new database on the same server and leaves the old one empty.</source>
        <translation>Si el servidor no permite a esta cuenta limpiar las versiones antiguas, al cifrar tus elementos pasan a una base de datos nueva en el mismo servidor y la antigua queda vacía.</translation>
    </message>
    <message id="encryption.done.moved %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1 and the old one was deleted.</source>
        <translation>Ya está todo cifrado. El servidor no permitió a esta cuenta limpiar las versiones antiguas, así que la cuenta pasó a la base de datos nueva %1 y la antigua se eliminó.</translation>
    </message>
    <message id="encryption.done.movedOldKept %1">
        <source>Everything is encrypted now. The server did not let this account clean up old versions, so the account moved to the new database %1. The old database was emptied, but the server did not let this account delete it: earlier, unencrypted versions may remain in it.</source>
        <translation>Ya está todo cifrado. El servidor no permitió a esta cuenta limpiar las versiones antiguas, así que la cuenta pasó a la base de datos nueva %1. La base de datos antigua se vació, pero el servidor no permitió a esta cuenta eliminarla: puede que aún guarde versiones anteriores sin cifrar.</translation>
    </message>
    <message id="encryption.moved %1">
        <source>This account moved here from the database %1, because the server does not let it clean up old versions. This database holds no unencrypted versions.</source>
        <translation>Esta cuenta se trasladó aquí desde la base de datos %1, porque el servidor no le permite limpiar las versiones antiguas. Esta base de datos no guarda ninguna versión sin cifrar.</translation>
    </message>
    <message id="encryption.oldVersionsInOld %1">
        <source>The server did not let this account delete the old database %1: earlier, unencrypted versions of your items may remain there. Ask whoever runs the server to delete it.</source>
        <translation>El servidor no permitió a esta cuenta eliminar la base de datos antigua %1: puede que aún guarde versiones anteriores de tus elementos sin cifrar. Pide a quien administra el servidor que la elimine.</translation>
    </message>
    <message id="cloud.error.moveUnfinished">
        <source>Other devices kept writing to the old database; moving goes on later.</source>
        <translation>Otros dispositivos siguieron escribiendo en la base de datos antigua; el traslado continuará más tarde.</translation>
    </message>
    <message id="encryption.activity.changing">
        <source>Changing the passphrase…</source>
        <translation>Cambiando la frase de contraseña…</translation>
    </message>
    <message id="encryption.activity.startingOver">
        <source>Erasing the cloud copy and starting over…</source>
        <translation>Borrando la copia en la nube y empezando de nuevo…</translation>
    </message>
    <message id="encryption.title">
        <source>End-to-end encryption</source>
        <translation>Cifrado de extremo a extremo</translation>
    </message>
    <message id="encryption.state.plain">
        <source>Off. Anyone who runs or backs up the server can read your titles, notes, links and pictures.</source>
        <translation>Desactivado. Quien administre el servidor o tenga una copia de seguridad puede leer tus títulos, notas, enlaces e imágenes.</translation>
    </message>
    <message id="encryption.state.locked">
        <source>This account is encrypted, and this device does not have its key yet. Enter your passphrase to sync. Until then nothing is sent or received; items you add wait on this computer.</source>
        <translation>Esta cuenta está cifrada y este dispositivo aún no tiene su clave. Introduce tu frase de contraseña para sincronizar. Hasta entonces no se envía ni recibe nada; lo que añadas espera en este ordenador.</translation>
    </message>
    <message id="encryption.state.unlocked">
        <source>On. Your titles, notes, links, pictures and their change times are encrypted on this device before they are sent, with a key only your devices hold.</source>
        <translation>Activado. Tus títulos, notas, enlaces, imágenes y sus horas de cambio se cifran en este dispositivo antes de enviarse, con una clave que solo tienen tus dispositivos.</translation>
    </message>
    <message id="encryption.state.unknown">
        <source>The server did not say whether this account is encrypted yet.</source>
        <translation>El servidor aún no ha indicado si esta cuenta está cifrada.</translation>
    </message>
    <message id="encryption.serverSees.plain">
        <source>With encryption on, the server still sees that the account exists, how many items it holds, their sizes, when they change, and their IDs, but none of their contents.</source>
        <translation>Con el cifrado activado, el servidor sigue viendo que la cuenta existe, cuántos elementos tiene, su tamaño, cuándo cambian y sus identificadores, pero nada de su contenido.</translation>
    </message>
    <message id="encryption.serverSees.encrypted">
        <source>What the server still sees: that the account exists, how many items it holds, their sizes, when they change, and their IDs. It cannot read titles, notes, links, pictures or change times.</source>
        <translation>Lo que el servidor sigue viendo: que la cuenta existe, cuántos elementos tiene, su tamaño, cuándo cambian y sus identificadores. No puede leer títulos, notas, enlaces, imágenes ni horas de cambio.</translation>
    </message>
    <message id="encryption.field.passphrase">
        <source>Passphrase</source>
        <translation>Frase de contraseña</translation>
    </message>
    <message id="encryption.field.newPassphrase">
        <source>New passphrase</source>
        <translation>Nueva frase de contraseña</translation>
    </message>
    <message id="encryption.field.repeat">
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message id="encryption.field.mismatch">
        <source>The two passphrases differ.</source>
        <translation>Las dos frases de contraseña no coinciden.</translation>
    </message>
    <message id="encryption.keepSafe">
        <source>Keep the passphrase somewhere safe. Nobody can recover it: without it, a new device cannot read your items.</source>
        <translation>Guarda la frase de contraseña en un lugar seguro. Nadie puede recuperarla: sin ella, un dispositivo nuevo no podrá leer tus elementos.</translation>
    </message>
    <message id="encryption.action.encrypt">
        <source>Encrypt with a Passphrase</source>
        <translation>Cifrar con una frase de contraseña</translation>
    </message>
    <message id="encryption.action.unlock">
        <source>Enter Passphrase</source>
        <translation>Introducir frase de contraseña</translation>
    </message>
    <message id="encryption.action.change">
        <source>Change Passphrase</source>
        <translation>Cambiar frase de contraseña</translation>
    </message>
    <message id="encryption.action.checkAgain">
        <source>Check Again</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message id="encryption.startOver.title">
        <source>Forgot the passphrase?</source>
        <translation>¿Olvidaste la frase de contraseña?</translation>
    </message>
    <message id="encryption.startOver.explanation">
        <source>Start over erases everything this account keeps on the server and uploads the items on this device under a new passphrase. Your other devices will ask for the new passphrase; once it is entered there, they send back the items they hold that this device does not.</source>
        <translation>Empezar de nuevo borra todo lo que esta cuenta guarda en el servidor y sube los elementos de este dispositivo con una nueva frase de contraseña. Tus otros dispositivos pedirán la nueva frase; cuando se introduzca en ellos, devolverán los elementos que tengan y que este dispositivo no tenga.</translation>
    </message>
    <message id="encryption.startOver.action">
        <source>Start Over…</source>
        <translation>Empezar de nuevo…</translation>
    </message>
    <message id="encryption.startOver.typeName %1">
        <source>To confirm, type the database's name: %1</source>
        <translation>Para confirmar, escribe el nombre de la base de datos: %1</translation>
    </message>
    <message id="encryption.startOver.confirm">
        <source>Erase and Start Over</source>
        <translation>Borrar y empezar de nuevo</translation>
    </message>
    <message id="encryption.banner.locked">
        <source>Enter your passphrase to sync</source>
        <translation>Introduce tu frase de contraseña para sincronizar</translation>
    </message>
    <message id="encryption.banner.waiting">
        <source>Your account is encrypted. Until then nothing is sent or received; new items wait here.</source>
        <translation>Tu cuenta está cifrada. Hasta entonces no se envía ni recibe nada; los elementos nuevos esperan aquí.</translation>
    </message>
    <message id="encryption.banner.newKey">
        <source>The account was started over on another device with a new passphrase. Enter it to send back what this device holds.</source>
        <translation>La cuenta se reinició en otro dispositivo con una nueva frase de contraseña. Introdúcela para devolver lo que tiene este dispositivo.</translation>
    </message>
    <message id="encryption.banner.keyMissing">
        <source>The account's key is gone from the server. Sync is paused so nothing is sent unencrypted.</source>
        <translation>La clave de la cuenta ya no está en el servidor. La sincronización está en pausa para que no se envíe nada sin cifrar.</translation>
    </message>
    <message id="encryption.banner.enter">
        <source>Enter Passphrase…</source>
        <translation>Introducir frase…</translation>
    </message>
    <message id="cli.account.encryption.plain">
        <source>Encryption: off (the server can read your items)</source>
        <translation>Cifrado: desactivado (el servidor puede leer tus elementos)</translation>
    </message>
    <message id="cli.account.encryption.locked">
        <source>Encryption: on; this computer does not hold the key (run 'stashline account unlock')</source>
        <translation>Cifrado: activado; este equipo no tiene la clave (ejecuta 'stashline account unlock')</translation>
    </message>
    <message id="cli.account.encryption.unlocked">
        <source>Encryption: on; this computer holds the key</source>
        <translation>Cifrado: activado; este equipo tiene la clave</translation>
    </message>
    <message id="cli.account.encryption.unknown">
        <source>Encryption: unknown (the server did not answer)</source>
        <translation>Cifrado: desconocido (el servidor no respondió)</translation>
    </message>
    <message id="cli.account.environment">
        <source>The account comes from STASHLINE_CLOUD_URL and cannot be changed here.</source>
        <translation>La cuenta viene de STASHLINE_CLOUD_URL y no se puede cambiar aquí.</translation>
    </message>
    <message id="cli.account.signedOut">
        <source>Signed out. The items stay on this computer.</source>
        <translation>Sesión cerrada. Los elementos se quedan en este equipo.</translation>
    </message>
    <message id="cli.account.notSignedIn">
        <source>Not signed in. The items are kept on this computer.</source>
        <translation>No has iniciado sesión. Los elementos se guardan en este equipo.</translation>
    </message>
    <message id="cli.account.server %1">
        <source>Server: %1</source>
        <translation>Servidor: %1</translation>
    </message>
    <message id="cli.account.user %1">
        <source>User: %1</source>
        <translation>Usuario: %1</translation>
    </message>
    <message id="cli.account.database %1">
        <source>Database: %1</source>
        <translation>Base de datos: %1</translation>
    </message>
    <message id="cli.account.signedIn">
        <source>Signed in.</source>
        <translation>Sesión iniciada.</translation>
    </message>
    <message id="cli.account.keptInFile">
        <source>No keyring answers here, so the password is kept in the account file, readable by you alone.</source>
        <translation>Aquí no responde ningún llavero, así que la contraseña se guarda en el archivo de la cuenta, que solo tú puedes leer.</translation>
    </message>
    <message id="cli.account.encrypted">
        <source>Encrypted. The server now stores only what it cannot read.</source>
        <translation>Cifrado. El servidor ahora solo guarda lo que no puede leer.</translation>
    </message>
    <message id="cli.account.unlocked">
        <source>Unlocked. This computer syncs again.</source>
        <translation>Desbloqueado. Este equipo vuelve a sincronizar.</translation>
    </message>
    <message id="cli.account.passphraseChanged">
        <source>Passphrase changed. Devices that hold the key keep syncing; a new device needs the new passphrase.</source>
        <translation>Frase de contraseña cambiada. Los dispositivos que tienen la clave siguen sincronizando; uno nuevo necesitará la nueva frase.</translation>
    </message>
    <message id="cli.account.promptPassword">
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message id="cli.account.promptPassphrase">
        <source>Passphrase:</source>
        <translation>Frase de contraseña:</translation>
    </message>
    <message id="cli.account.promptRepeat">
        <source>Repeat:</source>
        <translation>Repetir:</translation>
    </message>
    <message id="cli.account.noPassword">
        <source>No password came on standard input.</source>
        <translation>No llegó ninguna contraseña por la entrada estándar.</translation>
    </message>
    <message id="cli.account.noPassphrase">
        <source>No passphrase came on standard input.</source>
        <translation>No llegó ninguna frase de contraseña por la entrada estándar.</translation>
    </message>
    <message id="cli.usage.accountVerb %1">
        <source>'account' takes status, sign-in, sign-out, encrypt, unlock or change-passphrase, not '%1'.</source>
        <translation>'account' admite status, sign-in, sign-out, encrypt, unlock o change-passphrase, no '%1'.</translation>
    </message>
    <message id="cli.usage.signIn">
        <source>'account sign-in' takes the server's address and --user NAME.</source>
        <translation>'account sign-in' necesita la dirección del servidor y --user NOMBRE.</translation>
    </message>
    <message id="cli.usage.accountNoArguments %1">
        <source>'account %1' takes no arguments.</source>
        <translation>'account %1' no admite argumentos.</translation>
    </message>
    <message id="share.trash.title">
        <source>Recently Deleted</source>
        <translation>Eliminados recientemente</translation>
    </message>
    <message id="share.trash.chip %1">
        <source>Recently Deleted (%1)</source>
        <translation>Eliminados recientemente (%1)</translation>
    </message>
    <message id="share.trash.restore">
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message id="share.trash.deleteNow">
        <source>Delete Now</source>
        <translation>Eliminar ahora</translation>
    </message>
    <message id="share.trash.empty">
        <source>Empty Trash</source>
        <translation>Vaciar papelera</translation>
    </message>
    <message id="share.trash.empty.confirmation.title %1">
        <source>Delete everything in Recently Deleted for good (%1)?</source>
        <translation>¿Eliminar para siempre todo lo de Eliminados recientemente (%1)?</translation>
    </message>
    <message id="share.trash.daysLeft %1">
        <source>Days until removed for good: %1</source>
        <translation>Días hasta su eliminación definitiva: %1</translation>
    </message>
    <message id="share.trash.emptyMessage %1">
        <source>Nothing was deleted recently. Deleted items stay here for %1 days, then they are removed for good.</source>
        <translation>No se ha eliminado nada recientemente. Los elementos eliminados se quedan aquí %1 días y luego se eliminan para siempre.</translation>
    </message>
    <message id="share.undo.deleted %1">
        <source>Deleted “%1”</source>
        <translation>Se eliminó «%1»</translation>
    </message>
    <message id="share.undo.deletedCount %1">
        <source>Deleted items: %1</source>
        <translation>Elementos eliminados: %1</translation>
    </message>
    <message id="share.undo.undo">
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message id="share.undo.edit">
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message id="share.undo.favorite">
        <source>Favourite</source>
        <translation>Favorito</translation>
    </message>
    <message id="share.undo.delete">
        <source>Delete</source>
        <translation>Eliminación</translation>
    </message>
    <message id="share.undo.restore">
        <source>Restore</source>
        <translation>Restauración</translation>
    </message>
    <message id="about.export">
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message id="about.import">
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message id="about.export.title">
        <source>Export All Items</source>
        <translation>Exportar todos los elementos</translation>
    </message>
    <message id="about.export.filter">
        <source>Stashline export</source>
        <translation>Exportación de Stashline</translation>
    </message>
    <message id="about.import.title">
        <source>Import Items</source>
        <translation>Importar elementos</translation>
    </message>
    <message id="about.import.filter">
        <source>Exports, bookmarks and notes</source>
        <translation>Exportaciones, marcadores y notas</translation>
    </message>
    <message id="transfer.notLocal">
        <source>Choose a file on this computer.</source>
        <translation>Elige un archivo de este ordenador.</translation>
    </message>
    <message id="transfer.export.done %1 %2 %3">
        <source>Exported items: %1, pictures: %2, to %3.</source>
        <translation>Se exportaron elementos: %1 e imágenes: %2 a %3.</translation>
    </message>
    <message id="transfer.export.cannotWrite %1">
        <source>The export could not be written: %1</source>
        <translation>No se pudo escribir la exportación: %1</translation>
    </message>
    <message id="transfer.export.notSaved %1">
        <source>Changes not saved yet could not be saved, so nothing was exported: %1</source>
        <translation>Los cambios pendientes no se pudieron guardar, así que no se exportó nada: %1</translation>
    </message>
    <message id="transfer.import.done %1 %2 %3">
        <source>Imported. New: %1, updated: %2, already up to date: %3.</source>
        <translation>Importación hecha. Nuevos: %1, actualizados: %2, ya al día: %3.</translation>
    </message>
    <message id="transfer.import.damaged">
        <source>The archive is damaged or incomplete; nothing was imported.</source>
        <translation>El archivo está dañado o incompleto; no se importó nada.</translation>
    </message>
    <message id="transfer.import.newerVersion">
        <source>The archive was written by a newer version of Stashline; update Stashline to import it. Nothing was imported.</source>
        <translation>El archivo lo escribió una versión más reciente de Stashline; actualiza Stashline para importarlo. No se importó nada.</translation>
    </message>
    <message id="transfer.import.tooLarge %1">
        <source>%1 is too large to import; nothing was imported.</source>
        <translation>%1 es demasiado grande para importarlo; no se importó nada.</translation>
    </message>
    <message id="transfer.import.notJpeg %1">
        <source>%1 in the archive is not a JPEG picture; nothing was imported.</source>
        <translation>%1 del archivo no es una imagen JPEG; no se importó nada.</translation>
    </message>
    <message id="transfer.import.missing %1">
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message id="transfer.import.unreadable %1">
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message id="transfer.import.emptyNote %1">
        <source>%1 holds no text; nothing was imported.</source>
        <translation>%1 no contiene texto; no se importó nada.</translation>
    </message>
    <message id="transfer.import.unknownFormat %1">
        <source>%1 is not a file Stashline can import. Choose a Stashline export (.zip), a browser’s bookmarks file (.html) or a text or Markdown note (.txt, .md).</source>
        <translation>%1 no es un archivo que Stashline pueda importar. Elige una exportación de Stashline (.zip), un archivo de marcadores del navegador (.html) o una nota de texto o Markdown (.txt, .md).</translation>
    </message>
    <message id="transfer.import.noSpace %1">
        <source>There is no room to unpack the import; nothing was imported: %1</source>
        <translation>No hay espacio para descomprimir la importación; no se importó nada: %1</translation>
    </message>
    <message id="transfer.import.notSaved %1">
        <source>The import could not be saved; nothing was imported: %1</source>
        <translation>No se pudo guardar la importación; no se importó nada: %1</translation>
    </message>
    <message id="cli.delete.done %1 %2">
        <source>Moved “%1” to Recently Deleted; it is removed for good after %2 days.</source>
        <translation>«%1» se movió a Eliminados recientemente; se eliminará para siempre después de %2 días.</translation>
    </message>
    <message id="cli.restore.done %1">
        <source>Restored “%1”.</source>
        <translation>Se restauró «%1».</translation>
    </message>
    <message id="cli.item.trashEmpty">
        <source>Recently Deleted is empty.</source>
        <translation>Eliminados recientemente está vacío.</translation>
    </message>
    <message id="cli.item.noneInTrash %1 %2">
        <source>There is no item %1 in Recently Deleted; it holds %2 (see 'stashline list --trash').</source>
        <translation>No hay ningún elemento %1 en Eliminados recientemente; contiene %2 (consulta 'stashline list --trash').</translation>
    </message>
    <message id="cli.item.notInTrash %1">
        <source>Item %1 is not in Recently Deleted.</source>
        <translation>El elemento %1 no está en Eliminados recientemente.</translation>
    </message>
    <message id="cli.item.inTrash %1">
        <source>Item %1 is in Recently Deleted; restore it first ('stashline restore').</source>
        <translation>El elemento %1 está en Eliminados recientemente; restáuralo primero ('stashline restore').</translation>
    </message>
    <message id="cli.usage.oneFile %1">
        <source>%1 needs one FILE</source>
        <translation>%1 necesita un ARCHIVO</translation>
    </message>
    <message id="web.sync.sent">
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message id="web.share">
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message id="web.copied">
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message id="web.picture.camera">
        <source>Take Photo</source>
        <translation>Hacer foto</translation>
    </message>
    <message id="web.picture.failed">
        <source>This picture could not be read.</source>
        <translation>No se pudo leer esta imagen.</translation>
    </message>
    <message id="web.offline">
        <source>Offline. Your changes stay on this phone and go out when the connection is back.</source>
        <translation>Sin conexión. Tus cambios se quedan en este teléfono y se envían cuando vuelva la conexión.</translation>
    </message>
    <message id="web.sync.failed">
        <source>Could not reach your server. Trying again…</source>
        <translation>No se pudo conectar con tu servidor. Reintentando…</translation>
    </message>
    <message id="web.locked.title">
        <source>Your items are encrypted</source>
        <translation>Tus elementos están cifrados</translation>
    </message>
    <message id="web.locked.message">
        <source>Enter your passphrase to see and sync them. Until then this page shows nothing and changes nothing.</source>
        <translation>Introduce tu frase de contraseña para verlos y sincronizarlos. Hasta entonces, esta página no muestra ni cambia nada.</translation>
    </message>
    <message id="web.locked.field">
        <source>Passphrase</source>
        <translation>Frase de contraseña</translation>
    </message>
    <message id="web.locked.unlock">
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message id="web.locked.working">
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message id="web.locked.wrong">
        <source>That passphrase does not open your items. Nothing was changed.</source>
        <translation>Esa frase de contraseña no abre tus elementos. No se ha cambiado nada.</translation>
    </message>
    <message id="account.web.title">
        <source>Open on Your Phone</source>
        <translation>Abrir en tu teléfono</translation>
    </message>
    <message id="account.web.explain">
        <source>Puts the Stashline web app on your server, next to your items. Your phone's browser opens it with the same account and keeps a copy that works offline.</source>
        <translation>Coloca la aplicación web de Stashline en tu servidor, junto a tus elementos. El navegador de tu teléfono la abre con la misma cuenta y guarda una copia que funciona sin conexión.</translation>
    </message>
    <message id="account.web.publish">
        <source>Publish to My Server</source>
        <translation>Publicar en mi servidor</translation>
    </message>
    <message id="account.web.publishing">
        <source>Publishing…</source>
        <translation>Publicando…</translation>
    </message>
    <message id="account.web.address">
        <source>Open this address on your phone, or scan the code:</source>
        <translation>Abre esta dirección en tu teléfono o escanea el código:</translation>
    </message>
    <message id="account.web.localServer">
        <source>This server runs on this computer (127.0.0.1), so a phone cannot reach it. Sign in to a server your phone can reach, such as a hosted CouchDB or your own behind HTTPS, and publish again.</source>
        <translation>Este servidor se ejecuta en este ordenador (127.0.0.1), así que un teléfono no puede llegar a él. Inicia sesión en un servidor al que llegue tu teléfono, como un CouchDB alojado o uno propio tras HTTPS, y vuelve a publicar.</translation>
    </message>
    <message id="account.web.failed %1">
        <source>The web app could not be published: %1</source>
        <translation>No se pudo publicar la aplicación web: %1</translation>
    </message>
    <message id="account.web.qr.accessibility">
        <source>QR code of the address</source>
        <translation>Código QR de la dirección</translation>
    </message>
    <message id="account.web.missing">
        <source>This build of Stashline carries no web app.</source>
        <translation>Esta compilación de Stashline no incluye la aplicación web.</translation>
    </message>
</context>
</TS>
