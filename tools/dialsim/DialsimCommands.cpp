#include "DialsimCommands.h"

#include "DialsimArguments.h"

#include <ctime>
#include <ostream>

namespace corvanta::dialsim {
namespace {

const char* const kUsage =
    "usage: corvanta-dialsim COMMAND [ARGUMENTS]\n"
    "Dials, lists and hangs up connections of the simulated dial-up service.\n"
    "\n"
    "  entry add NAME NUMBER [ALTERNATE...]  add or replace a phone-book entry\n"
    "  entry list                            each entry: main number, then alternates\n"
    "  entry remove NAME                     remove a phone-book entry\n"
    "  dial (--entry NAME | --number NUMBER) [--device-type T] [--device-name N]\n"
    "       [--connect-after SECONDS] [--address A.B.C.D] [--hangup-after SECONDS]\n"
    "                                        dial; prints the new connection's handle\n"
    "  list                                  active connections\n"
    "  hangup HANDLE                         hang a connection up\n"
    "  history                               hang-ups and phone-book writes\n"
    "  reset                                 forget all entries, connections and history\n"
    "  help                                  this text\n";

// A refusal of the service, reported with exit code 1.
class Refused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Context {
    const std::vector<std::string>& args;
    SimulatedDialupService& service;
    std::ostream& out;

    void expectCount(std::size_t low, std::size_t high) const {
        if (args.size() < low || args.size() > high)
            throw UsageError("wrong number of arguments for " + args[0] + " (see --help)");
    }

    void check(RasStatus status, const std::string& subject) const {
        switch (status) {
        case ras::kSuccess:
            return;
        case ras::kCannotFindEntry:
            throw Refused("no phone-book entry " + subject);
        case ras::kInvalidHandle:
            throw Refused("no active connection " + subject);
        case ras::kInvalidSize:
            throw Refused("a number is longer than 128 characters or the alternates exceed "
                          "10000 bytes");
        case ras::kCannotWritePhonebook:
            throw Refused("the phone book is full (100 entries)");
        case ras::kCannotOpenPhonebook:
            throw Refused("cannot use the simulation's state: " + service.lastError());
        default:
            throw Refused("the dial-up service answered error " + std::to_string(status));
        }
    }
};

std::string localTime(std::int64_t ms) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void nonEmpty(const std::string& text, const std::string& what) {
    if (text.empty())
        throw UsageError(what + " must not be empty");
}

void entryCommand(const Context& c) {
    const std::string sub = c.args.size() > 1 ? c.args[1] : "";
    if (sub == "add") {
        if (c.args.size() < 4)
            throw UsageError("entry add needs NAME and NUMBER");
        nonEmpty(c.args[2], "the entry name");
        RasEntry entry;
        entry.localPhoneNumber = c.args[3];
        entry.alternates.assign(c.args.begin() + 4, c.args.end());
        nonEmpty(entry.localPhoneNumber, "the number");
        for (const std::string& alternate : entry.alternates)
            nonEmpty(alternate, "an alternate number");
        c.check(c.service.putEntry(c.args[2], entry), c.args[2]);
    } else if (sub == "list") {
        c.expectCount(2, 2);
        std::vector<std::string> names;
        c.check(c.service.enumEntries(names), "");
        for (const std::string& name : names) {
            RasEntry entry;
            c.check(c.service.getEntryProperties(name, entry), name);
            c.out << name << '\t' << entry.localPhoneNumber;
            for (const std::string& alternate : entry.alternates)
                c.out << '\t' << alternate;
            c.out << '\n';
        }
    } else if (sub == "remove") {
        c.expectCount(3, 3);
        c.check(c.service.removeEntry(c.args[2]), c.args[2]);
    } else {
        throw UsageError("entry needs add, list or remove");
    }
}

void dialCommand(const Context& c) {
    const DialRequest request = parseDial({c.args.begin() + 1, c.args.end()});
    RasHandle handle = 0;
    c.check(c.service.dial(request, handle), request.entry);
    c.out << handle << '\n';
}

void listCommand(const Context& c) {
    c.expectCount(1, 1);
    std::vector<SimulatedConnection> list;
    c.check(c.service.connections(list), "");
    c.out << "HANDLE\tENTRY\tNUMBER\tSTATE\tADDRESS\n";
    for (const SimulatedConnection& connection : list)
        c.out << connection.handle << '\t' << connection.entry << '\t' << connection.number << '\t'
              << connection.state << ' ' << dialingStateName(connection.state) << '\t'
              << (connection.state == ras::kConnected ? connection.address : "-") << '\n';
}

void hangupCommand(const Context& c) {
    c.expectCount(2, 2);
    c.check(c.service.hangUp(parseHandle(c.args[1])), c.args[1]);
}

void historyCommand(const Context& c) {
    c.expectCount(1, 1);
    std::vector<DialupHistoryRecord> records;
    c.check(c.service.history(records), "");
    for (const DialupHistoryRecord& record : records)
        c.out << localTime(record.atMs) << '\t' << record.event << '\t'
              << (record.by.empty() ? "-" : record.by) << '\t' << record.detail << '\n';
}

void resetCommand(const Context& c) {
    c.expectCount(1, 1);
    c.check(c.service.reset(), "");
}

} // namespace

int run(const std::vector<std::string>& args, SimulatedDialupService& service, std::ostream& out,
        std::ostream& err) {
    using Command = void (*)(const Context&);
    static const std::pair<const char*, Command> commands[] = {
        {"entry", entryCommand},   {"dial", dialCommand},       {"list", listCommand},
        {"hangup", hangupCommand}, {"history", historyCommand}, {"reset", resetCommand}};
    if (!args.empty() && (args[0] == "help" || args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    try {
        for (const auto& [name, command] : commands) {
            if (!args.empty() && args[0] == name) {
                command(Context{args, service, out});
                return 0;
            }
        }
        throw UsageError(args.empty() ? "no command given" : "unknown command: " + args[0]);
    } catch (const UsageError& e) {
        err << "corvanta-dialsim: " << e.what() << "\n" << kUsage;
        return 2;
    } catch (const Refused& e) {
        err << "corvanta-dialsim: " << e.what() << '\n';
        return 1;
    }
}

} // namespace corvanta::dialsim
