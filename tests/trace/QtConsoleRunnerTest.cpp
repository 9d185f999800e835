#include "platform/QtConsoleRunner.h"
#include "TestEnvironment.h"
#include "TraceTestSupport.h"
#include "trace/LineSplitter.h"

#include <gtest/gtest.h>

using namespace corvanta;
using namespace corvanta::test;

namespace {

// Runs commands from a fresh program folder and records what the runner reports.
class ConsoleRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        runner.onNewLine = [this](const std::string& text, OutputKind kind) {
            EXPECT_TRUE(runner.running()) << "line outside a run: " << text;
            events.push_back({text, kind});
        };
        runner.onTerminated = [this] { ++ends; };
    }

    std::string script(const std::string& name, const std::string& body) {
        writeScript(folder + name, body);
        return name;
    }

    std::vector<std::string> entireLines() const {
        std::vector<std::string> lines;
        for (const auto& event : events)
            if (event.kind == OutputKind::EntireLine)
                lines.push_back(event.text);
        return lines;
    }

    bool seen(const OutputLine& wanted) const {
        return std::find(events.begin(), events.end(), wanted) != events.end();
    }

    std::string folder = makeTempFolder("runner") + "/";
    QtConsoleRunner runner{folder};
    std::vector<OutputLine> events;
    int ends = 0;
};

} // namespace

TEST_F(ConsoleRunnerTest, DeliversPiecesThenWholeLinesThenTheEnd) {
    runner.start(script("pieces", "printf 'first\\r\\n'\n"
                                  "printf 'piece'\n"
                                  "while [ ! -e \"$0.go\" ]; do sleep 0.02; done\n"
                                  "printf ' rest\\n\\nerror\\n' >&2\n"
                                  "printf 'no end'\n") +
                 " ignored-argument");
    EXPECT_TRUE(runner.running());
    ASSERT_TRUE(waitUntil([&] { return seen({"piece", OutputKind::BeginningOfLine}); }));
    EXPECT_EQ(entireLines(), std::vector<std::string>{"first"});
    touch(folder + "pieces.go");
    ASSERT_TRUE(waitUntil([&] { return ends > 0; }));
    EXPECT_EQ(entireLines(),
              (std::vector<std::string>{"first", "piece rest", "", "error", "no end"}));
    EXPECT_FALSE(runner.running());
    QCoreApplication::processEvents();
    EXPECT_EQ(ends, 1);
}

TEST_F(ConsoleRunnerTest, FindsBareNamesBesideTheProgramThenOnThePath) {
    runner.start(script("beside", "echo \"beside $1\"\n") + " one");
    ASSERT_TRUE(waitUntil([&] { return ends == 1; }));
    runner.start("sh -c \"echo from path\"");
    ASSERT_TRUE(waitUntil([&] { return ends == 2; }));
    EXPECT_EQ(entireLines(), (std::vector<std::string>{"beside one", "from path"}));
}

TEST_F(ConsoleRunnerTest, CommandThatCannotStartSaysWhyAndEnds) {
    std::ofstream(folder + "garbage", std::ios::binary) << "\x7f"
                                                           "ELF not really";
    QFile::setPermissions(QString::fromStdString(folder + "garbage"),
                          QFile::ReadOwner | QFile::ExeOwner);
    struct Case {
        std::string command, reasonStart;
    } cases[] = {
        {"no-such-command-here", "Cannot run \"no-such-command-here\": command not found."},
        {"", "Cannot run an empty command."},
        {folder + "garbage", "Cannot run \"" + folder + "garbage\": "},
    };
    for (const auto& c : cases) {
        events.clear();
        const int before = ends;
        runner.start(c.command);
        ASSERT_TRUE(waitUntil([&] { return ends == before + 1; })) << c.command;
        const auto lines = entireLines();
        ASSERT_EQ(lines.size(), 1u) << c.command;
        EXPECT_EQ(lines[0].rfind(c.reasonStart, 0), 0u) << lines[0];
        EXPECT_FALSE(runner.running());
    }
}

TEST_F(ConsoleRunnerTest, StopEndsTheCommandAndItsChildrenBeforeReturning) {
    runner.start(script("lingers", "sleep 600 &\n"
                                   "echo $! > \"$0.child\"\n"
                                   "printf 'ready\\npartial'\n"
                                   "wait\n"));
    ASSERT_TRUE(waitUntil([&] { return seen({"partial", OutputKind::BeginningOfLine}); }));
    runner.stop();
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(runner.running());
    EXPECT_EQ(entireLines(), (std::vector<std::string>{"ready", "partial"}));
    const std::string child = readFile(folder + "lingers.child");
    EXPECT_TRUE(waitUntil([&] { return processGone(child); })) << child;
    runner.stop(); // nothing left to stop
    EXPECT_EQ(ends, 1);
}

TEST_F(ConsoleRunnerTest, TimeLimitsEndTheCommand) {
    struct Case {
        const char* name;
        int total, idle;
        std::string body;
    } cases[] = {
        {"silent too long", 0, 1, "echo start\nexec sleep 600\n"},
        {"running too long", 1, 0, "while :; do echo tick; sleep 0.05; done\n"},
    };
    for (const auto& c : cases) {
        const int before = ends;
        runner.setTimeLimits(c.total, c.idle);
        runner.start(script("limited", c.body));
        EXPECT_TRUE(waitUntil([&] { return ends == before + 1; })) << c.name;
        EXPECT_FALSE(runner.running()) << c.name;
    }
}
