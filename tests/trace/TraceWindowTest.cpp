#include "TraceWindowFixture.h"
#include "trace/BusyIndicator.h"

#include <QByteArray>

using namespace corvanta;
using namespace corvanta::test;

namespace {

// Prints a hop in two pieces, blank lines of every kind, and a last line without its end.
const char* const PiecesScript =
    "printf 'Tracing route to target.example [192.0.2.1]\\r\\n'\n"
    "printf '\\r\\n\\n'\n"
    "printf '  1    12 ms    11'\n"
    "while [ ! -e \"$0.go\" ]; do sleep 0.02; done\n"
    "printf ' ms    10 ms  core1.isp-net.alpha.beta [192.0.2.7]\\r\\n'\n"
    "printf '\\n\\r\\n'\n"
    "printf 'Trace complete.'\n";

// Prints one hop, then stays silent until stopped.
const char* const LingeringScript = "printf '  1    <1 ms    <1 ms    <1 ms  gw [10.0.0.1]\\n'\n"
                                    "exec sleep 600\n";

} // namespace

TEST_F(TraceWindowTest, OpensWithTheHeaderAndWaitsForTheTrace) {
    open();
    EXPECT_EQ(listed(), header);
    EXPECT_EQ(window->ListBox1->currentRow(), 5);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvanta - Trace"));
    EXPECT_EQ(window->LbSpeedButton7->text(), QStringLiteral("OK"));
    EXPECT_FALSE(window->Animate1->isVisible() || window->Animate1->isRunning());
    EXPECT_FALSE(window->TraceRunning || window->TraceSaved || window->CloseRequested);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(TraceWindowTest, ShowsEachCompleteLineOnceAndEndsWithOk) {
    writeTracert(PiecesScript);
    open().show(); // showing alone starts the trace
    ASSERT_TRUE(waitUntil([&] { return window->TraceRunning; }));
    EXPECT_EQ(window->LbSpeedButton7->text(), QStringLiteral("Stop!"));
    EXPECT_TRUE(window->Animate1->isVisible() && window->Animate1->isRunning());
    ASSERT_TRUE(waitUntil([&] { return listed().size() > header.size(); }));
    touch(folder + "tracert.go");

    ASSERT_TRUE(waitUntil([&] { return ended(); }));
    const QStringList output{
        "Tracing route to target.example [192.0.2.1]",
        "  1    12 ms    11 ms    10 ms  core1.isp-net.alpha.beta [192.0.2.7]",
        "Trace complete.",
    };
    EXPECT_EQ(listed(), header + output);
    EXPECT_EQ(window->ListBox1->currentRow(), window->ListBox1->count() - 1);
    EXPECT_FALSE(window->TraceRunning);
    EXPECT_FALSE(window->Animate1->isVisible() || window->Animate1->isRunning());

    // Later activations start nothing.
    window->startTrace();
    window->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(ended());
    EXPECT_EQ(listed().size(), header.size() + 3);
}

TEST_F(TraceWindowTest, NewLinesFollowOnlyWhileTheLastLineIsSelected) {
    open();
    const auto add = [&](const std::string& text) {
        window->DosCommand1NewLine(text, OutputKind::EntireLine);
    };
    add("hop 1");
    EXPECT_EQ(window->ListBox1->currentRow(), 6);
    window->ListBox1->setCurrentRow(2);
    add("hop 2");
    EXPECT_EQ(window->ListBox1->currentRow(), 2);
    window->ListBox1->setCurrentRow(window->ListBox1->count() - 1);
    add("hop 3");
    EXPECT_EQ(window->ListBox1->currentRow(), 8);

    // Empty texts and pieces are not lines; line ends inside a text become blanks.
    window->DosCommand1NewLine("", OutputKind::EntireLine);
    window->DosCommand1NewLine("hop 4 piece", OutputKind::BeginningOfLine);
    add("a\rb\nc");
    EXPECT_EQ(listed().mid(6), (QStringList{"hop 1", "hop 2", "hop 3", "a b c"}));
}

TEST_F(TraceWindowTest, StopEndsWithCanceledAndTheSavedFileHoldsEveryLine) {
    writeTracert(LingeringScript);
    open().startTrace();
    ASSERT_TRUE(waitUntil([&] { return listed().size() == header.size() + 1; }));
    window->LbSpeedButton7->click();
    EXPECT_EQ(listed().back(), QStringLiteral("Canceled by user."));
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->TraceRunning);
    EXPECT_FALSE(window->Animate1->isVisible() || window->Animate1->isRunning());

    const std::string path = folder + "TRACE.LOG";
    dialogs.saveAnswers.push_back(QString::fromStdString(path));
    window->LbSpeedButton2->click();
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].folder, QString::fromStdString(folder));
    EXPECT_EQ(dialogs.saveRequests[0].proposedName, QStringLiteral("TRACE"));
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix, QStringLiteral("LOG"));
    EXPECT_TRUE(window->TraceSaved);
    EXPECT_EQ(readFile(path), "Corvanta v.1.7 Build #39-13\r\n" + std::string(59, '-') +
                                  "\r\n2024-05-06 07:08:09\r\nPhone number: 0900123\r\n"
                                  "Current IP: 10.0.0.5\r\n" +
                                  std::string(59, '-') +
                                  "\r\n  1    <1 ms    <1 ms    <1 ms  gw [10.0.0.1]\r\n"
                                  "Canceled by user.\r\n");

    // Saved: OK closes without a question.
    window->LbSpeedButton7->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(window->CloseRequested);
    EXPECT_FALSE(window->LbSpeedButton7->isEnabled() || window->LbSpeedButton2->isEnabled());
}

TEST_F(TraceWindowTest, ClosingUnsavedAsksAndCancelKeepsTheWindow) {
    open();
    window->DosCommand1Terminated();
    dialogs.answers = {MessageResult::Cancel, MessageResult::Ok};
    window->LbSpeedButton7->click();
    ASSERT_EQ(dialogs.texts(), std::vector<QString>{"LogFile not saved. Exit?"});
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(window->CloseRequested);
    EXPECT_TRUE(window->LbSpeedButton7->isEnabled() && window->LbSpeedButton2->isEnabled());

    window->LbSpeedButton7->click();
    EXPECT_TRUE(window->CloseRequested);
    EXPECT_FALSE(window->LbSpeedButton7->isEnabled() || window->LbSpeedButton2->isEnabled());
}

TEST_F(TraceWindowTest, CloseInCodeNeverAsksAndStopsARunningTrace) {
    writeTracert(LingeringScript);
    open().startTrace();
    ASSERT_TRUE(waitUntil([&] { return listed().size() == header.size() + 1; }));
    window->requestCloseWithoutQuestion();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(window->CloseRequested);
    EXPECT_TRUE(ended());
    EXPECT_FALSE(window->LbSpeedButton7->isEnabled() || window->LbSpeedButton2->isEnabled());
    window->startTrace(); // no second run once closing
    EXPECT_TRUE(ended());
}

TEST_F(TraceWindowTest, TraceThatCannotStartEndsAtOnceWithTheReason) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    open().startTrace();
    qputenv("PATH", path);
    ASSERT_TRUE(waitUntil([&] { return ended(); }));
    EXPECT_EQ(listed().mid(header.size()),
              QStringList{"Cannot run \"tracert\": command not found."});
    EXPECT_FALSE(window->TraceRunning);
    EXPECT_FALSE(window->Animate1->isVisible() || window->Animate1->isRunning());
}

TEST_F(TraceWindowTest, SaveCancelledOrFailedLeavesTheListUnsaved) {
    open();
    window->LbSpeedButton2->click(); // the fake dialog cancels
    EXPECT_FALSE(window->TraceSaved);
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.saveAnswers.push_back(QString::fromStdString(folder + "missing/TRACE.LOG"));
    window->LbSpeedButton2->click();
    EXPECT_FALSE(window->TraceSaved);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains("missing/TRACE.LOG"));
}
