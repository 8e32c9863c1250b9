#ifndef KVB_COMMANDLINE_H
#define KVB_COMMANDLINE_H

#include <QString>

// The options KVB answers itself, before the toolkit starts, so that they
// need no display: --help (or -h) and --version, each alone, and an option
// that nobody knows, which is refused. A launching host's start, with a
// number in entry 0, is never read as options, and the toolkit's own options
// (-style, -reverse, -platform and the rest) are left to the toolkit.
namespace CommandLine {

enum class Action
{
    // Start the program, as a user or a launching host asks.
    Start,
    Help,
    Version,
    // An option neither KVB nor the toolkit knows.
    UnknownOption,
    // Something after --help or --version.
    ExtraArgument
};

struct Request
{
    Action action = Action::Start;
    // The argument refused, for UnknownOption and ExtraArgument.
    QString argument;
};

// The request of a command line as the process receives it, before the
// toolkit has taken its options out.
Request parse(int argc, const char *const argv[]);

// Answers a request other than Start: prints the usage or the version on
// standard output, or the refusal on standard error, in the user's language,
// and returns the exit status, 0 or 2. It needs no display.
int answer(const Request &request, int argc, char *argv[]);

// What answer() prints.
QString usage();
QString versionLine();
QString refusal(const Request &request);

} // namespace CommandLine

#endif
