#include "CommandLine.h"

#include "AccountCommandLine.h"
#include "PreviewSyncManager.h"
#include "SingleInstance.h"
#include "StashRequestRouter.h"
#include "StashlineApp.h"

#include "model/ShareListViewModel.h"
#include "store/SearchQuery.h"
#include "platform/Localization.h"
#include "platform/PersistentContainer.h"
#include "platform/PhraseBreaker.h"
#include "store/PersistenceController.h"

#include <QClipboard>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QProcess>
#include <QStringDecoder>
#include <QThread>
#include <QUrl>

#include <cstdio>
#include <memory>

#include <unistd.h>

namespace CommandLine {

using Kind = Invocation::Kind;

Invocation usageError(std::function<QString()> message)
{
    Invocation invocation;
    invocation.kind = Kind::usageError;
    invocation.usageError = std::move(message);
    return invocation;
}

Invocation request(const StashRequest &stashRequest)
{
    Invocation invocation;
    invocation.kind = Kind::request;
    invocation.request = stashRequest;
    return invocation;
}

namespace {

Invocation simple(Kind kind)
{
    Invocation invocation;
    invocation.kind = kind;
    return invocation;
}

} // namespace

std::optional<Invocation> parseCommand(QCommandLineParser &parser, const QStringList &arguments)
{
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return usageError([text = parser.errorText()] { return text; });
        const QString option = (unknown.constFirst().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"))
            + unknown.constFirst();
        return usageError([option] { return qtTrId("cli.usage.unknownOption %1").arg(option); });
    }
    if (parser.isSet(QStringLiteral("help")))
        return simple(Kind::help);
    return std::nullopt;
}

namespace {

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
        return usageError([] { return qtTrId("cli.usage.addNeedsSource"); });
    if (sources > 1)
        return usageError([] { return qtTrId("cli.usage.addOneSource"); });
    if (parser.values(title).size() > 1 || parser.values(image).size() > 1)
        return usageError([] { return qtTrId("cli.usage.addOnce"); });

    StashRequest add = StashRequest::ofKind(StashRequest::Kind::add);
    add.title = parser.value(title);
    add.isFavorite = parser.isSet(favorite);
    add.fromClipboard = parser.isSet(clipboard);
    if (parser.isSet(image))
        add.imagePath = QFileInfo(parser.value(image)).absoluteFilePath();
    else if (!fromStandardInput)
        add.text = words.join(QLatin1Char(' '));
    Invocation invocation = request(add);
    invocation.readsStandardInput = fromStandardInput;
    return invocation;
}

Invocation parseList(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), {});
    const QCommandLineOption favorites(QStringLiteral("favorites"), {});
    const QCommandLineOption history(QStringLiteral("history"), {});
    const QCommandLineOption search(QStringLiteral("search"), {}, QStringLiteral("QUERY"));
    const QCommandLineOption trash(QStringLiteral("trash"), {});
    parser.addOptions({json, favorites, history, search, trash});
    if (const std::optional<Invocation> ended = parseCommand(parser, arguments))
        return *ended;
    if (!parser.positionalArguments().isEmpty())
        return usageError([] { return qtTrId("cli.usage.listNoArguments"); });
    if (int(parser.isSet(favorites)) + int(parser.isSet(history)) + int(parser.isSet(trash)) > 1)
        return usageError([] { return qtTrId("cli.usage.listOneScope"); });
    if (parser.isSet(search) && (parser.values(search).size() > 1 || SearchQuery::parse(parser.value(search)).isEmpty()))
        return usageError([] { return qtTrId("cli.usage.listSearch"); });
    StashRequest list = StashRequest::ofKind(StashRequest::Kind::list);
    list.asJson = parser.isSet(json);
    list.search = parser.value(search);
    list.scope = parser.isSet(favorites) ? StashRequest::Scope::favorites
        : parser.isSet(history)          ? StashRequest::Scope::history
        : parser.isSet(trash)            ? StashRequest::Scope::trash
                                         : StashRequest::Scope::all;
    return request(list);
}

// copy, open, delete and restore: one item, by UUID or number.
Invocation parseItemCommand(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption hold(QStringLiteral("hold"), {});
    const bool isCopy = command == QLatin1String("copy");
    if (isCopy)
        parser.addOption(hold);
    if (const std::optional<Invocation> ended = parseCommand(parser, arguments))
        return *ended;
    if (parser.positionalArguments().size() != 1)
        return usageError([command] { return qtTrId("cli.usage.oneItem %1").arg(command); });
    const StashRequest::Kind kind = isCopy                                ? StashRequest::Kind::copy
        : command == QLatin1String("open")                                ? StashRequest::Kind::open
        : command == QLatin1String("delete")                              ? StashRequest::Kind::trash
                                                                          : StashRequest::Kind::restore;
    StashRequest itemRequest = StashRequest::ofKind(kind);
    itemRequest.item = parser.positionalArguments().constFirst();
    Invocation invocation = request(itemRequest);
    invocation.holdsClipboard = isCopy && parser.isSet(hold);
    return invocation;
}

// export and import: one file, made absolute.
Invocation parseFileCommand(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const std::optional<Invocation> ended = parseCommand(parser, arguments))
        return *ended;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError([command] { return qtTrId("cli.usage.oneFile %1").arg(command); });
    StashRequest fileRequest =
        StashRequest::ofKind(command == QLatin1String("export") ? StashRequest::Kind::exportItems : StashRequest::Kind::importItems);
    fileRequest.path = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    return request(fileRequest);
}

// Whether the request reaches the clipboard or the desktop's link handler.
bool needsDesktop(const StashRequest &request)
{
    return request.fromClipboard || request.kind == StashRequest::Kind::copy || request.kind == StashRequest::Kind::open;
}

bool hasDesktop()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// Writes `text` to `stream`, escaped where the stream is a terminal and `raw` is false. Texts
// are written without the word joiners that keep a window's Japanese and Korean lines whole
// (PhraseBreaker): a terminal wraps on its own.
} // namespace

void write(std::FILE *stream, const QString &text, bool raw)
{
    const QString plain = raw ? text : QString(text).remove(PhraseBreaker::wordJoiner);
    const QByteArray bytes = (raw || !::isatty(::fileno(stream)) ? plain : visible(plain)).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

namespace {

// Standard input as text; none when it is not valid UTF-8 or cannot be read. A leading byte
// order mark is the encoding signature of piped text, not part of it.
std::optional<QString> readStandardInput(QString *error)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        *error = qtTrId("cli.stdin.unreadable");
        return std::nullopt;
    }
    const QByteArray bytes = input.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || bytes.contains('\0')) {
        *error = qtTrId("cli.stdin.notUtf8");
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
StashReply carryOutHere(const StashRequest &request)
{
    std::optional<StoreError> error;
    const QString path =
        PersistenceController::storeDirectoryURL() + QLatin1Char('/') + QLatin1String(PersistenceController::storeFileName);
    std::unique_ptr<PersistentContainer> container = PersistenceController::openOnDiskContainer(path, &error);
    if (!container)
        return StashReply::failed(error ? error->description : QString());
    // A list model of this process alone, never loaded for an add; its sync interface never
    // reaches the cloud (the next start of the app uploads what was added).
    ShareListViewModel model(container->viewContext(), Calendar::current(), std::make_shared<PreviewSyncManager>());
    return StashRequestRouter(model, nullptr).route(request);
}

// Whether a word given where a file or link may stand is rather a mistyped command: no link, no
// existing file, and no path or file name either.
bool isMistypedCommand(const QString &word)
{
    return !StashRequest::linkTarget(word) && !QFileInfo::exists(StashRequest::targetPath(word))
        && !word.contains(QLatin1Char('/')) && !word.contains(QLatin1Char('.'));
}

// The request of a launch with files and links, as a file manager hands them over: paths made
// absolute, links as given.
StashRequest sendRequest(const QStringList &targets)
{
    StashRequest send = StashRequest::ofKind(StashRequest::Kind::send);
    for (const QString &target : targets)
        send.targets.append(StashRequest::linkTarget(target) ? target
                                                             : QFileInfo(StashRequest::targetPath(target)).absoluteFilePath());
    return send;
}

} // namespace

Invocation parse(const QList<QByteArray> &rawArguments)
{
    QStringList arguments;
    for (const QByteArray &raw : rawArguments) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        arguments.append(decoder.decode(raw));
        if (decoder.hasError())
            return usageError([] { return qtTrId("cli.usage.notUtf8"); });
    }
    const QString first = arguments.value(1);
    const QStringList rest = arguments.mid(1);
    if (first == QLatin1String("add"))
        return parseAdd(rest);
    if (first == QLatin1String("list"))
        return parseList(rest);
    if (first == QLatin1String("copy") || first == QLatin1String("open") || first == QLatin1String("delete")
        || first == QLatin1String("restore"))
        return parseItemCommand(first, rest);
    if (first == QLatin1String("account"))
        return AccountCommandLine::parse(rest);
    if (first == QLatin1String("export") || first == QLatin1String("import"))
        return parseFileCommand(first, rest);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help"))
        return simple(Kind::help);
    if (first == QLatin1String("--version"))
        return simple(Kind::version);

    Invocation launch;
    if (first == QLatin1String("--panel") && arguments.size() == 2) {
        launch.request = StashRequest::ofKind(StashRequest::Kind::panel);
        return launch;
    }
    if (first.isEmpty() || (first.startsWith(QLatin1Char('-')) && !first.startsWith(QLatin1String("--"))))
        return launch; // the window, with Qt's and the test runs' own options
    if (first.startsWith(QLatin1String("--")))
        return usageError([first] { return qtTrId("cli.usage.unknownOption %1").arg(first); });
    // Files and links, as a file manager hands them over; each missing or unusable one is
    // reported on its own and the rest are added. A first word that is no file, path or link
    // is a mistyped command rather than something to start the app with.
    if (isMistypedCommand(first))
        return usageError([first] { return qtTrId("cli.usage.noCommand %1").arg(first); });
    launch.request = sendRequest(rest);
    return launch;
}

QString helpText()
{
    return qtTrId("cli.help");
}

int printReply(const StashReply &reply, bool rawOutput)
{
    write(stdout, reply.output, rawOutput);
    if (!reply.error.isEmpty())
        write(stderr, QStringLiteral("stashline: ") + reply.error
                          + (reply.error.endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")));
    return reply.exitCode;
}

int printHandOver(const StashRequest &request, const std::optional<StashReply> &reply)
{
    if (request.kind == StashRequest::Kind::activate)
        write(stdout, qtTrId("cli.instance.broughtToFront") + QLatin1Char('\n'));
    return printReply(reply.value_or(StashReply()));
}

QString visible(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        const QChar::Category category = QChar::category(character);
        const bool isHidden = (category == QChar::Other_Control && character != U'\n' && character != U'\t')
            || (category == QChar::Other_Format && character != U'\u200C' && character != U'\u200D')
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
        if (!isHidden) {
            shown += QStringView(QChar::fromUcs4(character));
            continue;
        }
        const int digits = character < 0x80 ? 2 : character <= 0xFFFF ? 4 : 8;
        shown += (digits == 2 ? QStringLiteral("\\x") : digits == 4 ? QStringLiteral("\\u") : QStringLiteral("\\U"))
            + QString::number(uint(character), 16).toUpper().rightJustified(digits, QLatin1Char('0'));
    }
    return shown;
}

int run(const Invocation &invocation, int &argc, char **argv)
{
    // No window: a plain application object, or one that reaches the desktop's clipboard.
    const bool usesDesktop = invocation.kind == Kind::request && needsDesktop(invocation.request) && hasDesktop();
    std::unique_ptr<QCoreApplication> application;
    if (usesDesktop)
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    StashlineApp::nameApplication();
    Localization::install(QLocale());

    switch (invocation.kind) {
    case Kind::help:
        write(stdout, helpText());
        return 0;
    case Kind::version:
        write(stdout, QStringLiteral("stashline " STASHLINE_VERSION "\n"));
        return 0;
    case Kind::usageError:
        write(stderr, QStringLiteral("stashline: %1\n%2\n").arg(invocation.usageError(), qtTrId("cli.usage.tryHelp")));
        return 2;
    case Kind::launch:
    case Kind::request:
        break;
    }

    if (invocation.request.isAccountCommand())
        return AccountCommandLine::run(invocation.request);
    StashRequest request = invocation.request;
    if (invocation.readsStandardInput) {
        QString error;
        const std::optional<QString> text = readStandardInput(&error);
        if (!text)
            return printReply(StashReply::failed(error));
        request.text = *text;
    }
    const bool rawOutput = request.asJson;

    // The running instance carries it out; when none runs, this process does, under the lock
    // (another command may hold it for a moment; a starting app takes it and then answers).
    const QString groupDirectory = PersistenceController::storeDirectoryURL();
    QLockFile lock(SingleInstance::lockFilePath(groupDirectory));
    lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(10000);
    while (true) {
        const SingleInstance::Exchange exchange = SingleInstance::send(groupDirectory, request, 60000);
        if (exchange.reply)
            return printReply(*exchange.reply, rawOutput);
        if (exchange.connected)
            return printReply(StashReply::failed(qtTrId("cli.instance.noAnswer")));
        if (lock.tryLock(0))
            break;
        if (lock.error() != QLockFile::LockFailedError)
            return printReply(StashReply::failed(qtTrId("cli.store.cannotLock %1").arg(groupDirectory)));
        if (deadline.hasExpired())
            return printReply(StashReply::failed(qtTrId("cli.store.busy")));
        QThread::msleep(5);
    }
    const StashReply reply = carryOutHere(request);
    lock.unlock();
    const int exitCode = printReply(reply, rawOutput);
    if (exitCode != 0 || request.kind != StashRequest::Kind::copy)
        return exitCode;
    if (!invocation.holdsClipboard) {
        holdClipboardInBackground(reply.uuid);
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
