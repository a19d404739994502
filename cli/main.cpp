// zodarc-cli: the core from a shell. zodarc-cli COMMAND [OPTIONS]; zodarc-cli COMMAND --help
// describes a command.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/CliCommon.h"
#include "cli/CliPlace.h"
#include "cli/Commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char* argv[]);
    const char* summary;
};

const Command kCommands[] = {
    {"positions", cli::PositionsCommand, "longitudes of the ten bodies at one moment"},
    {"table", cli::TableCommand, "the aspect table of one of the six modes"},
    {"report", cli::ReportCommand, "the title and the report of one of the six modes"},
    {"search", cli::SearchCommand, "step the world date until an aspect pattern forms"},
    {"durations", cli::DurationsCommand, "when each aspect begins and ends, or a chart described"},
    {"calendar", cli::CalendarCommand,
     "every transit of a period: beginnings, exact moments, ends"},
    {"chart", cli::ChartCommand, "the chart wheel of one of the six modes as a PNG picture"},
    {"houses", cli::HousesCommand, "Ascendant, Midheaven, house cusps and each body's house"},
    {"place", cli::PlaceCommand, "the places of the atlas of a name, with zone and coordinates"},
};

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "Usage: zodarc-cli COMMAND [OPTIONS]\n\nCommands:\n");
    for (const Command& c : kCommands)
        std::fprintf(out, "  %-12s %s\n", c.name, c.summary);
    std::fprintf(out, "\nzodarc-cli COMMAND --help describes a command and its options.\n");
}

// Returns the exit code of a command whose exit code is code: intExitFailed after a message
// when its standard output could not be written in full (a full disk), else code.
int CheckedOutput(int code) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return code;
    const int error = errno;
    std::fprintf(stderr, "zodarc-cli: the output could not be written: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    return cli::intExitFailed;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        PrintUsage(stderr);
        return cli::intExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(stdout);
        return CheckedOutput(cli::intExitOk);
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("zodarc-cli %s\n", ZODARC_VERSION);
        return CheckedOutput(cli::intExitOk);
    }
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0)
            return CheckedOutput(c.run(argc - 1, argv + 1));
    }
    std::fprintf(stderr, "zodarc-cli: unknown command '%s' (see zodarc-cli --help)\n", argv[1]);
    return cli::intExitUsage;
}
