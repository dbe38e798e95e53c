#pragma once

#include "CommandLine.h"

// `stashline account status [--json]`, `account sign-in URL --user NAME [--database DB]`,
// `account sign-out`, `account encrypt`, `account unlock` and `account change-passphrase`.
// The password and the passphrase come from standard input: its first line, or, on a terminal,
// typed without echo (a new passphrase twice). The running app carries the command out and the
// command line waits for it; without one, this process does it on the account itself. Exit
// codes: 0 done, 1 failed, 2 bad usage (also an empty secret).
namespace AccountCommandLine {

// `arguments` start with "account".
CommandLine::Invocation parse(const QStringList &arguments);

// Carries out an account request; the exit code. Needs the application object.
int run(const StashRequest &request);

} // namespace AccountCommandLine
