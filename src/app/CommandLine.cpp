#include "CommandLine.h"

#include "SingleInstance.h"
#include "StashRequestHandler.h"

#include "platform/Localization.h"
#include "store/PersistenceController.h"

#include <QClipboard>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLockFile>
#include <QProcess>
#include <QStringDecoder>
#include <QThread>
#include <QUrl>

#include <cstdio>
#include <memory>

namespace CommandLine {
namespace {

using Kind = Invocation::Kind;

Invocation usageError(const QString &message)
{
    Invocation invocation;
    invocation.kind = Kind::usageError;
    invocation.usageError = message;
    return invocation;
}

Invocation request(const QJsonObject &object)
{
    Invocation invocation;
    invocation.kind = Kind::request;
    invocation.request = object;
    return invocation;
}

// What a launch with files and links hands over: absolute paths, links as given.
QJsonObject sendRequest(const QStringList &targets)
{
    QJsonArray array;
    for (const QString &target : targets) {
        const QUrl url(target);
        const bool isLink = !url.isLocalFile() && url.scheme().size() > 1 && !QFileInfo::exists(target);
        array.append(isLink ? target : QFileInfo(url.isLocalFile() ? url.toLocalFile() : target).absoluteFilePath());
    }
    return {{QStringLiteral("command"), QStringLiteral("send")}, {QStringLiteral("targets"), array}};
}

Invocation simple(Kind kind)
{
    Invocation invocation;
    invocation.kind = kind;
    return invocation;
}

// Parses one command's options; the invocation it ends in when they do not fit or ask for help.
std::optional<Invocation> parseCommand(QCommandLineParser &parser, const QStringList &arguments)
{
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return simple(Kind::help);
    return std::nullopt;
}

Invocation parseAdd(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption title({QStringLiteral("t"), QStringLiteral("title")}, {}, QStringLiteral("TITLE"));
    const QCommandLineOption favorite({QStringLiteral("f"), QStringLiteral("favorite")}, {});
    const QCommandLineOption image({QStringLiteral("i"), QStringLiteral("image")}, {}, QStringLiteral("FILE"));
    const QCommandLineOption clipboard({QStringLiteral("c"), QStringLiteral("clipboard")}, {});
    parser.addOptions({title, favorite, image, clipboard});
    if (const std::optional<Invocation> ended = parseCommand(parser, arguments))
        return *ended;
    const QStringList words = parser.positionalArguments();
    const bool fromStandardInput = words == QStringList{QStringLiteral("-")};
    const int sources = int(!words.isEmpty()) + int(parser.isSet(image)) + int(parser.isSet(clipboard));
    if (sources == 0)
        return usageError(QStringLiteral("add needs a TEXT, '-', --image FILE or --clipboard"));
    if (sources > 1)
        return usageError(QStringLiteral("add takes one of TEXT, '-', --image FILE or --clipboard"));
    if (parser.values(title).size() > 1 || parser.values(image).size() > 1)
        return usageError(QStringLiteral("add takes --title and --image once"));

    QJsonObject object{{QStringLiteral("command"), QStringLiteral("add")},
                       {QStringLiteral("title"), parser.value(title)},
                       {QStringLiteral("favorite"), parser.isSet(favorite)},
                       {QStringLiteral("clipboard"), parser.isSet(clipboard)}};
    if (parser.isSet(image))
        object.insert(QStringLiteral("image"), QFileInfo(parser.value(image)).absoluteFilePath());
    else if (!fromStandardInput)
        object.insert(QStringLiteral("text"), words.join(QLatin1Char(' ')));
    Invocation invocation = request(object);
    invocation.readsStandardInput = fromStandardInput;
    invocation.needsDesktop = parser.isSet(clipboard);
    return invocation;
}

Invocation parseList(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), {});
    const QCommandLineOption favorites(QStringLiteral("favorites"), {});
    const QCommandLineOption history(QStringLiteral("history"), {});
    parser.addOptions({json, favorites, history});
    if (const std::optional<Invocation> ended = parseCommand(parser, arguments))
        return *ended;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("list takes no arguments"));
    if (parser.isSet(favorites) && parser.isSet(history))
        return usageError(QStringLiteral("list takes --favorites or --history, not both"));
    const QString scope = parser.isSet(favorites) ? QStringLiteral("favorites")
        : parser.isSet(history)                   ? QStringLiteral("history")
                                                  : QString();
    return request({{QStringLiteral("command"), QStringLiteral("list")},
                    {QStringLiteral("json"), parser.isSet(json)},
                    {QStringLiteral("scope"), scope}});
}

// copy and open: one item, by UUID or number.
Invocation parseItemCommand(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption hold(QStringLiteral("hold"), {});
    if (command == QLatin1String("copy"))
        parser.addOption(hold);
    if (const std::optional<Invocation> ended = parseCommand(parser, arguments))
        return *ended;
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("%1 takes one item: its UUID or its number in 'stashline list'").arg(command));
    Invocation invocation =
        request({{QStringLiteral("command"), command}, {QStringLiteral("item"), parser.positionalArguments().constFirst()}});
    invocation.needsDesktop = true;
    invocation.holdsClipboard = command == QLatin1String("copy") && parser.isSet(hold);
    return invocation;
}

bool hasDesktop()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Standard input as text; none when it is not valid UTF-8 or cannot be read.
std::optional<QString> readStandardInput(QString *error)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        *error = QStringLiteral("Standard input cannot be read.");
        return std::nullopt;
    }
    const QByteArray bytes = input.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || bytes.contains('\0')) {
        *error = QStringLiteral("Standard input is not UTF-8 text; nothing was added.");
        return std::nullopt;
    }
    return text;
}

// Serves the copied item to other programs until one of them takes the clipboard over: on X11
// and Wayland a copy lives only as long as the program that made it.
void holdClipboardInBackground(const QString &uuid)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    QProcess holder;
    holder.setProgram(QCoreApplication::applicationFilePath());
    holder.setArguments({QStringLiteral("copy"), QStringLiteral("--hold"), uuid});
    holder.setStandardOutputFile(QProcess::nullDevice());
    holder.setStandardErrorFile(QProcess::nullDevice());
    holder.startDetached();
}

// Works on the store itself: the caller holds the instance lock.
QJsonObject carryOutHere(const QJsonObject &request)
{
    std::optional<StoreError> error;
    const QString path =
        PersistenceController::storeDirectoryURL() + QLatin1Char('/') + QLatin1String(PersistenceController::storeFileName);
    std::unique_ptr<PersistentContainer> container = PersistenceController::openOnDiskContainer(path, &error);
    if (!container)
        return StashRequestHandler::reply(1, {}, error ? error->description : QString());
    StashRequestHandler handler(container->viewContext());
    return handler.handle(request);
}

} // namespace

Invocation parse(const QList<QByteArray> &rawArguments)
{
    QStringList arguments;
    for (const QByteArray &raw : rawArguments) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        arguments.append(decoder.decode(raw));
        if (decoder.hasError())
            return usageError(QStringLiteral("an argument is not valid UTF-8 text"));
    }
    const QString first = arguments.value(1);
    const QStringList rest = arguments.mid(1);
    if (first == QLatin1String("add"))
        return parseAdd(rest);
    if (first == QLatin1String("list"))
        return parseList(rest);
    if (first == QLatin1String("copy") || first == QLatin1String("open"))
        return parseItemCommand(first, rest);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help"))
        return simple(Kind::help);
    if (first == QLatin1String("--version"))
        return simple(Kind::version);

    Invocation launch;
    launch.request = SingleInstance::activationRequest();
    if (first == QLatin1String("--panel") && arguments.size() == 2) {
        launch.request = {{QStringLiteral("command"), QStringLiteral("panel")}};
        return launch;
    }
    if (first.isEmpty() || (first.startsWith(QLatin1Char('-')) && !first.startsWith(QLatin1String("--"))))
        return launch; // the window, with Qt's and the test runs' own options
    if (first.startsWith(QLatin1String("--")))
        return usageError(QStringLiteral("unknown option '%1'").arg(first));
    // Files and links, as a file manager hands them over; a word that is neither is a mistyped
    // command rather than something to start the app with.
    for (const QString &target : rest) {
        const QUrl url(target);
        if (!QFileInfo::exists(url.isLocalFile() ? url.toLocalFile() : target) && url.scheme().size() <= 1)
            return usageError(QStringLiteral("'%1' is no command, file or URL").arg(target));
    }
    launch.request = sendRequest(rest);
    return launch;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: stashline [FILE|URL]...\n"
        "   or: stashline add [--title TITLE] [--favorite] TEXT|-|--image FILE|--clipboard\n"
        "   or: stashline list [--json] [--favorites|--history]\n"
        "   or: stashline copy ITEM\n"
        "   or: stashline open ITEM\n"
        "Keep notes, links and pictures to carry to your other devices.\n"
        "\n"
        "With no arguments, starts Stashline or brings its window to the front. Each FILE or\n"
        "URL becomes one item: a picture file a picture, a text file a note titled with the\n"
        "file's name, a URL a link.\n"
        "\n"
        "Commands:\n"
        "  add TEXT...            add a note, or a link when TEXT is a URL with a scheme\n"
        "  add -                  add the text read from standard input\n"
        "    -t, --title TITLE    give the item a title\n"
        "    -f, --favorite       mark the item as a favourite\n"
        "    -i, --image FILE     add the picture in FILE (JPEG, PNG, WebP, GIF, ...)\n"
        "    -c, --clipboard      add what the clipboard holds: a picture, a link or text\n"
        "  list                   list the items as the window groups them, numbered\n"
        "    --json               as a JSON array (uuid, title, content, kind, favorite,\n"
        "                         created, syncStatus, group, section)\n"
        "    --favorites          only the older favourites\n"
        "    --history            only the history\n"
        "  copy ITEM              put an item's link, text or picture on the clipboard\n"
        "  open ITEM              open an item's link in your browser or mail program\n"
        "ITEM is an item's UUID or its number in 'stashline list'.\n"
        "\n"
        "Options:\n"
        "      --panel            open the tray panel (bind it to a keyboard shortcut)\n"
        "  -h, --help             show this help and exit\n"
        "      --version          show the version and exit\n"
        "\n"
        "While Stashline runs, it carries out the command, so a new item shows at once and\n"
        "is uploaded. Otherwise the command works on the store directly and the next start\n"
        "of Stashline uploads what it added. STASHLINE_GROUP_DIR chooses another store.\n"
        "\n"
        "Exit status: 0 done, 1 failed (the reason is on standard error), 2 bad usage.\n");
}

int printReply(const QJsonObject &reply)
{
    write(stdout, reply.value(QStringLiteral("output")).toString());
    const QString error = reply.value(QStringLiteral("error")).toString();
    if (!error.isEmpty())
        write(stderr, QStringLiteral("stashline: ") + error + (error.endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")));
    return reply.value(QStringLiteral("exitCode")).toInt(1);
}

int run(const Invocation &invocation, int &argc, char **argv)
{
    switch (invocation.kind) {
    case Kind::help:
        write(stdout, helpText());
        return 0;
    case Kind::version:
        write(stdout, QStringLiteral("stashline " STASHLINE_VERSION "\n"));
        return 0;
    case Kind::usageError:
        write(stderr, QStringLiteral("stashline: %1\nTry 'stashline --help' for more information.\n")
                          .arg(invocation.usageError));
        return 2;
    case Kind::launch:
    case Kind::request:
        break;
    }

    // No window: a plain application object, or one that reaches the desktop's clipboard.
    const bool usesDesktop = invocation.needsDesktop && hasDesktop();
    std::unique_ptr<QCoreApplication> application;
    if (usesDesktop)
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setOrganizationDomain(QStringLiteral("quellmar.com"));
    QCoreApplication::setApplicationName(QStringLiteral("Stashline"));
    Localization::install(QLocale());

    QJsonObject request = invocation.request;
    if (invocation.readsStandardInput) {
        QString error;
        const std::optional<QString> text = readStandardInput(&error);
        if (!text)
            return printReply(StashRequestHandler::reply(1, {}, error));
        request.insert(QStringLiteral("text"), *text);
    }

    // The running instance carries it out; when none runs, this process does, under the lock
    // (another command may hold it for a moment; a starting app takes it and then answers).
    const QString groupDirectory = PersistenceController::storeDirectoryURL();
    QLockFile lock(SingleInstance::lockFilePath(groupDirectory));
    lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(10000);
    while (true) {
        const SingleInstance::Exchange exchange = SingleInstance::send(groupDirectory, request, 60000);
        if (exchange.reply)
            return printReply(*exchange.reply);
        if (exchange.connected)
            return printReply(StashRequestHandler::reply(1, {}, QStringLiteral("Stashline is running but did not answer.")));
        if (lock.tryLock(0))
            break;
        if (lock.error() != QLockFile::LockFailedError)
            return printReply(StashRequestHandler::reply(
                1, {}, QStringLiteral("The store in %1 cannot be locked for writing.").arg(groupDirectory)));
        if (deadline.hasExpired())
            return printReply(StashRequestHandler::reply(1, {}, QStringLiteral("The store is busy; try again.")));
        QThread::msleep(5);
    }
    if (invocation.needsDesktop && !usesDesktop) {
        lock.unlock();
        return printReply(StashRequestHandler::reply(
            1, {}, QStringLiteral("No desktop session (DISPLAY or WAYLAND_DISPLAY) to reach the clipboard or a browser.")));
    }
    const QJsonObject reply = carryOutHere(request);
    lock.unlock();
    const int exitCode = printReply(reply);
    if (exitCode != 0 || request.value(QStringLiteral("command")).toString() != QLatin1String("copy"))
        return exitCode;
    if (!invocation.holdsClipboard) {
        holdClipboardInBackground(reply.value(QStringLiteral("uuid")).toString());
        return exitCode;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    QObject::connect(clipboard, &QClipboard::dataChanged, application.get(), [clipboard] {
        if (!clipboard->ownsClipboard())
            QCoreApplication::quit();
    });
    return QCoreApplication::exec() == 0 ? 0 : 1;
}

} // namespace CommandLine
