#include "DialsimCommands.h"
#include "platform/SimulatedDialupService.h"

#include "TestEnvironment.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

using namespace corvanta;

class Dialsim : public ::testing::Test {
protected:
    std::int64_t now = 1'700'000'000'000;
    SimulatedDialupService service{test::makeTempFolder("dialsim") + "/dialup.sqlite3",
                                   [this] { return now; }, "dialsim"};
    std::string out, err;

    int run(const std::vector<std::string>& args) {
        std::ostringstream o, e;
        const int code = dialsim::run(args, service, o, e);
        out = o.str();
        err = e.str();
        return code;
    }
};

TEST_F(Dialsim, HelpGoesToStandardOutput) {
    for (const char* help : {"help", "--help"}) {
        EXPECT_EQ(run({help}), 0);
        EXPECT_NE(out.find("usage: corvanta-dialsim"), std::string::npos);
        EXPECT_NE(out.find("--hangup-after SECONDS"), std::string::npos);
        EXPECT_EQ(err, "");
    }
}

TEST_F(Dialsim, BadArgumentsExitWithTwoAndChangeNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{}, "no command given"},
        {{"call"}, "unknown command: call"},
        {{"entry"}, "entry needs add, list or remove"},
        {{"entry", "add", "Work"}, "needs NAME and NUMBER"},
        {{"entry", "add", "", "1"}, "entry name must not be empty"},
        {{"entry", "add", "Work", ""}, "number must not be empty"},
        {{"entry", "add", "Work", "1", ""}, "alternate number must not be empty"},
        {{"entry", "remove"}, "wrong number of arguments"},
        {{"dial"}, "either --entry NAME or --number NUMBER"},
        {{"dial", "--entry", "A", "--number", "1"}, "either --entry NAME or --number NUMBER"},
        {{"dial", "--number"}, "--number needs a value"},
        {{"dial", "--number", ""}, "must not be empty"},
        {{"dial", "--number", "1", "--number", "2"}, "given twice"},
        {{"dial", "--number", "1", "--speed", "9600"}, "unknown option for dial: --speed"},
        {{"dial", "--number", "1", "--connect-after", "-1"}, "non-negative number"},
        {{"dial", "--number", "1", "--connect-after", "soon"}, "non-negative number"},
        {{"dial", "--number", "1", "--connect-after", "1e3"}, "non-negative number"},
        {{"dial", "--number", "1", "--hangup-after", "inf"}, "non-negative number"},
        {{"dial", "--number", "1", "--hangup-after", "1.2.3"}, "non-negative number"},
        {{"dial", "--number", "1", "--hangup-after", "9999999999"}, "too large"},
        {{"dial", "--number", "1", "--address", "256.1.1.1"}, "A.B.C.D"},
        {{"dial", "--number", "1", "--address", "10.0.0"}, "A.B.C.D"},
        {{"dial", "--number", "1", "--address", "10.0.0.1."}, "A.B.C.D"},
        {{"dial", "--number", "1", "--address", "010.0.0.1"}, "A.B.C.D"},
        {{"dial", "--number", "1", "--address", "a.b.c.d"}, "A.B.C.D"},
        {{"hangup"}, "wrong number of arguments"},
        {{"hangup", "one"}, "not a connection handle"},
        {{"hangup", "0"}, "not a connection handle"},
        {{"hangup", "-3"}, "not a connection handle"},
        {{"list", "all"}, "wrong number of arguments"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(run(c.args), 2);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_EQ(out, "");
    }
    std::vector<SimulatedConnection> connections;
    std::vector<std::string> names;
    ASSERT_EQ(service.connections(connections), ras::kSuccess);
    ASSERT_EQ(service.enumEntries(names), ras::kSuccess);
    EXPECT_TRUE(connections.empty());
    EXPECT_TRUE(names.empty());
}

TEST_F(Dialsim, RefusalsExitWithOne) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"hangup", "42"}, "no active connection 42"},
        {{"entry", "remove", "Work"}, "no phone-book entry Work"},
        {{"dial", "--entry", "Work"}, "no phone-book entry Work"},
        {{"dial", "--number", std::string(129, '1')}, "longer than 128"},
        {{"entry", "add", "Work", std::string(129, '1')}, "longer than 128"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        EXPECT_EQ(run(c.args), 1);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
    }
}

TEST_F(Dialsim, EntriesListMainNumberThenAlternates) {
    ASSERT_EQ(run({"entry", "add", "Work", "0123", "0456", "0789"}), 0);
    ASSERT_EQ(run({"entry", "add", "Home", "555"}), 0);
    ASSERT_EQ(run({"entry", "list"}), 0);
    EXPECT_EQ(out, "Work\t0123\t0456\t0789\nHome\t555\n");
    ASSERT_EQ(run({"entry", "remove", "Work"}), 0);
    ASSERT_EQ(run({"entry", "list"}), 0);
    EXPECT_EQ(out, "Home\t555\n");
}

TEST_F(Dialsim, DialedConnectionGoesThroughItsLife) {
    ASSERT_EQ(run({"entry", "add", "Work", "0123", "0456"}), 0);
    ASSERT_EQ(run({"dial", "--entry", "Work", "--connect-after", "1.5", "--address", "10.0.0.7",
                   "--device-type", "isdn", "--hangup-after", "60"}),
              0);
    const std::string handle = out.substr(0, out.size() - 1);
    ASSERT_EQ(out, handle + "\n");
    ASSERT_EQ(run({"list"}), 0);
    EXPECT_EQ(out,
              "HANDLE\tENTRY\tNUMBER\tSTATE\tADDRESS\n" + handle + "\tWork\t0123\t0 OpenPort\t-\n");
    now += 1499;
    ASSERT_EQ(run({"list"}), 0);
    EXPECT_NE(out.find("\t14 Authenticated\t-\n"), std::string::npos) << out;
    now += 1;
    ASSERT_EQ(run({"list"}), 0);
    EXPECT_NE(out.find("\t8192 Connected\t10.0.0.7\n"), std::string::npos) << out;

    ASSERT_EQ(run({"hangup", handle}), 0);
    ASSERT_EQ(run({"list"}), 0);
    EXPECT_EQ(out, "HANDLE\tENTRY\tNUMBER\tSTATE\tADDRESS\n");
    ASSERT_EQ(run({"history"}), 0);
    EXPECT_NE(out.find("\tentry-write\tdialsim\tWork: 0123, 0456\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\thangup\tdialsim\thandle " + handle + ", entry Work, number 0123\n"),
              std::string::npos)
        << out;
}

TEST_F(Dialsim, HangupAfterEndsTheConnection) {
    ASSERT_EQ(run({"dial", "--number", "0900", "--hangup-after", "2"}), 0);
    now += 2000;
    ASSERT_EQ(run({"list"}), 0);
    EXPECT_EQ(out, "HANDLE\tENTRY\tNUMBER\tSTATE\tADDRESS\n");
    ASSERT_EQ(run({"history"}), 0);
    EXPECT_NE(out.find("\tended\t-\thandle"), std::string::npos) << out;
}

TEST_F(Dialsim, ResetEmptiesTheSimulation) {
    ASSERT_EQ(run({"entry", "add", "Work", "0123"}), 0);
    ASSERT_EQ(run({"dial", "--number", "0123"}), 0);
    ASSERT_EQ(run({"reset"}), 0);
    ASSERT_EQ(run({"entry", "list"}), 0);
    EXPECT_EQ(out, "");
    ASSERT_EQ(run({"history"}), 0);
    EXPECT_EQ(out, "");
}

namespace {

struct Result {
    int code;
    std::string out;
};

Result runTool(const std::string& arguments) {
    const std::string command =
        "'" + test::binaryFolder() + "/corvanta-dialsim' " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    Result result{-1, ""};
    if (!pipe)
        return result;
    char buffer[256];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace

// The built tool shares its state with the program through the per-user state file.
TEST(DialsimTool, SharesTheStateFileWithTheProgram) {
    EXPECT_EQ(runTool("--help").code, 0);
    EXPECT_EQ(runTool("dial --number").code, 2);
    ASSERT_EQ(runTool("entry add Work 0123 0456").code, 0);
    const Result dialed = runTool("dial --entry Work --connect-after 0");
    ASSERT_EQ(dialed.code, 0);

    SimulatedDialupService program; // the default file, in the test's home
    RasConnStatus status;
    ASSERT_EQ(program.getConnectStatus(std::stoull(dialed.out), status), ras::kSuccess);
    EXPECT_EQ(status.phoneNumber, "0123");
    EXPECT_EQ(status.state, ras::kConnected);
    ASSERT_EQ(program.hangUp(std::stoull(dialed.out)), ras::kSuccess);
    const Result history = runTool("history");
    EXPECT_NE(history.out.find("\thangup\tprogram\t"), std::string::npos) << history.out;
}
