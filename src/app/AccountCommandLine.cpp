#include "AccountCommandLine.h"

#include "AccountCommands.h"
#include "SingleInstance.h"

#include "Services/AccountManager.h"
#include "Services/CloudContainerAdapter.h"
#include "Services/EncryptionManager.h"
#include "platform/cloud/CloudContainer.h"
#include "store/PersistenceController.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <optional>

#include <termios.h>
#include <unistd.h>

namespace AccountCommandLine {
namespace {

using Kind = StashRequest::Kind;

struct Verb {
    const char *name;
    Kind kind;
};
constexpr Verb verbs[] = {
    {"status", Kind::accountStatus},   {"sign-in", Kind::accountSignIn}, {"sign-out", Kind::accountSignOut},
    {"encrypt", Kind::accountEncrypt}, {"unlock", Kind::accountUnlock},  {"change-passphrase", Kind::accountChangePassphrase},
};

bool needsSecret(Kind kind)
{
    return kind == Kind::accountSignIn || kind == Kind::accountEncrypt || kind == Kind::accountUnlock
        || kind == Kind::accountChangePassphrase;
}

bool isNewPassphrase(Kind kind)
{
    return kind == Kind::accountEncrypt || kind == Kind::accountChangePassphrase;
}

// One line typed on the terminal without echo, after `prompt` on standard error.
std::optional<QByteArray> typedLine(const QString &prompt)
{
    CommandLine::write(stderr, prompt);
    termios saved{};
    const bool isTerminal = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (isTerminal) {
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    QByteArray line;
    char character = 0;
    while (::read(STDIN_FILENO, &character, 1) == 1 && character != '\n')
        line.append(character);
    if (isTerminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        CommandLine::write(stderr, QStringLiteral("\n"));
    }
    return line;
}

// The secret from standard input: its first line (without the line end), or typed on a
// terminal. None, with the reason and the exit code, when there is none.
std::optional<QString> readSecret(Kind kind, StashReply *refusal)
{
    QByteArray bytes;
    if (::isatty(STDIN_FILENO)) {
        const QString prompt = kind == Kind::accountSignIn ? qtTrId("cli.account.promptPassword") : qtTrId("cli.account.promptPassphrase");
        bytes = typedLine(prompt + QLatin1Char(' ')).value_or(QByteArray());
        if (isNewPassphrase(kind) && !bytes.isEmpty()
            && typedLine(qtTrId("cli.account.promptRepeat") + QLatin1Char(' ')).value_or(QByteArray()) != bytes) {
            *refusal = StashReply::failed(qtTrId("encryption.field.mismatch"));
            return std::nullopt;
        }
    } else {
        QFile input;
        if (input.open(stdin, QIODevice::ReadOnly))
            bytes = input.readLine();
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString secret = decoder.decode(bytes);
    bytes.fill('\0');
    if (decoder.hasError()) {
        *refusal = StashReply::failed(qtTrId("cli.stdin.notUtf8"), 2);
        return std::nullopt;
    }
    if (secret.isEmpty()) {
        *refusal = StashReply::failed(kind == Kind::accountSignIn ? qtTrId("cli.account.noPassword") : qtTrId("cli.account.noPassphrase"), 2);
        return std::nullopt;
    }
    return secret;
}

// The command carried out by this process, on the account and encryption of its own.
StashReply carryOutHere(const StashRequest &request)
{
    std::optional<StashReply> reply;
    AccountCommands commands(AccountManager::shared(), EncryptionManager::shared());
    commands.carryOut(request, [&reply](const StashReply &answer) {
        reply = answer;
        QCoreApplication::quit();
    });
    if (!reply)
        QCoreApplication::exec();
    CloudContainerAdapter::shared().container().stop(); // before the application object goes
    return reply.value_or(StashReply::failed(qtTrId("cli.instance.noAnswer")));
}

} // namespace

CommandLine::Invocation parse(const QStringList &arguments)
{
    const QString verb = arguments.value(1);
    std::optional<Kind> kind;
    for (const Verb &each : verbs) {
        if (verb == QLatin1String(each.name))
            kind = each.kind;
    }
    if (!kind) {
        if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
            CommandLine::Invocation help;
            help.kind = CommandLine::Invocation::Kind::help;
            return help;
        }
        return CommandLine::usageError([verb] { return qtTrId("cli.usage.accountVerb %1").arg(verb); });
    }
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), {});
    const QCommandLineOption user({QStringLiteral("u"), QStringLiteral("user")}, {}, QStringLiteral("NAME"));
    const QCommandLineOption database({QStringLiteral("d"), QStringLiteral("database")}, {}, QStringLiteral("DB"));
    if (*kind == Kind::accountStatus)
        parser.addOption(json);
    if (*kind == Kind::accountSignIn)
        parser.addOptions({user, database});
    if (const std::optional<CommandLine::Invocation> ended = CommandLine::parseCommand(parser, arguments.mid(1)))
        return *ended;
    const QStringList words = parser.positionalArguments();
    StashRequest request = StashRequest::ofKind(*kind);
    if (*kind == Kind::accountSignIn) {
        if (words.size() != 1 || parser.value(user).isEmpty())
            return CommandLine::usageError([] { return qtTrId("cli.usage.signIn"); });
        request.server = words.constFirst();
        request.user = parser.value(user);
        request.database = parser.value(database);
    } else if (!words.isEmpty()) {
        return CommandLine::usageError([verb] { return qtTrId("cli.usage.accountNoArguments %1").arg(verb); });
    }
    request.asJson = *kind == Kind::accountStatus && parser.isSet(json);
    return CommandLine::request(request);
}

int run(const StashRequest &given)
{
    StashRequest request = given;
    if (needsSecret(request.kind)) {
        StashReply refusal;
        const std::optional<QString> secret = readSecret(request.kind, &refusal);
        if (!secret)
            return CommandLine::printReply(refusal);
        request.secret = *secret;
    }
    // The running app does the work when there is one (its window shows the change), and this
    // command waits for it; else this process does it.
    const SingleInstance::Exchange exchange = SingleInstance::send(PersistenceController::storeDirectoryURL(), request,
                                                                   AccountCommands::answerTimeoutMilliseconds);
    if (exchange.reply)
        return CommandLine::printReply(*exchange.reply, request.asJson);
    if (exchange.connected)
        return CommandLine::printReply(StashReply::failed(qtTrId("cli.instance.noAnswer")));
    return CommandLine::printReply(carryOutHere(request), request.asJson);
}

} // namespace AccountCommandLine
