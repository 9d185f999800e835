#include "TestEnvironment.h"
#include "TraceTestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace corvanta::test;

namespace {

// Runs the shipped tracert with a PATH that holds only a fake traceroute (or nothing).
class TracertTool : public ::testing::Test {
protected:
    void fakeTraceroute(const std::string& body) { writeScript(bin + "traceroute", body); }

    void start(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", QString::fromStdString(bin));
        tracert.setProcessEnvironment(environment);
        tracert.setProcessChannelMode(QProcess::MergedChannels);
        tracert.start(QString::fromStdString(binaryFolder() + "/tracert"), arguments);
        ASSERT_TRUE(tracert.waitForStarted());
    }

    std::string run(const QStringList& arguments) {
        start(arguments);
        EXPECT_TRUE(tracert.waitForFinished(15000));
        return tracert.readAll().toStdString();
    }

    std::string bin = makeTempFolder("bin") + "/";
    QProcess tracert;
};

} // namespace

TEST_F(TracertTool, PrintsTheHopsOfTracerouteInTracertLayout) {
    fakeTraceroute("echo \"$@\" > \"$0.args\"\n"
                   "echo 'traceroute to target.example (192.0.2.80), 30 hops max, 60 byte "
                   "packets'\n"
                   "echo ' 1  gw.home (192.168.1.1)  0.4 ms  0.3 ms  0.3 ms'\n"
                   "echo ' 2  * * *'\n"
                   "echo ' 3  192.0.2.80 (192.0.2.80)  20.5 ms  21.0 ms  22.2 ms'\n");
    EXPECT_EQ(run({"target.example"}), "\n"
                                       "Tracing route to target.example [192.0.2.80]\n"
                                       "over a maximum of 30 hops:\n"
                                       "\n"
                                       "  1    <1 ms    <1 ms    <1 ms  gw.home [192.168.1.1]\n"
                                       "  2     *        *        *     Request timed out.\n"
                                       "  3    20 ms    21 ms    22 ms  192.0.2.80\n"
                                       "\n"
                                       "Trace complete.\n");
    EXPECT_EQ(tracert.exitCode(), 0);
    EXPECT_EQ(readFile(bin + "traceroute.args"), "-4 -q 3 -w 2 target.example\n");
}

TEST_F(TracertTool, FailuresEndPromptlyWithAMessageAndAnError) {
    fakeTraceroute("echo 'target.invalid: Name or service not known' >&2\nexit 2\n");
    EXPECT_EQ(run({"target.invalid"}), "target.invalid: Name or service not known\n"
                                       "Trace failed: traceroute ended with status 2.\n");
    EXPECT_EQ(tracert.exitCode(), 2);
}

TEST_F(TracertTool, WithoutTracerouteOrTargetItSaysSo) {
    EXPECT_EQ(run({"target.example"}), "Unable to run traceroute: No such file or directory\n");
    EXPECT_EQ(tracert.exitCode(), 127);
    for (const QStringList& arguments : {QStringList{}, QStringList{"-n"}}) {
        EXPECT_EQ(run(arguments), "Usage: tracert target_name\n");
        EXPECT_EQ(tracert.exitCode(), 2);
    }
}

TEST_F(TracertTool, StoppingItStopsTraceroute) {
    fakeTraceroute("echo $$ > \"$0.pid\"\necho ' 1  * * *'\nexec /bin/sleep 600\n");
    start({"target.example"});
    ASSERT_TRUE(waitUntil([&] { return tracert.canReadLine(); }));
    tracert.terminate();
    EXPECT_TRUE(tracert.waitForFinished(15000));
    const std::string traceroute = readFile(bin + "traceroute.pid");
    EXPECT_TRUE(waitUntil([&] { return processGone(traceroute); })) << traceroute;
}
