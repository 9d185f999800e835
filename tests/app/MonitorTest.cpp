#include "MainWindowFixture.h"

#include "app/VclTimer.h"
#include "guard/TForm5.h"
#include "trace/TForm9.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <filesystem>
#include <fstream>

using namespace corvanta;
using namespace corvanta::test;

namespace {

struct Monitor : MainWindowFixture {
    TForm1& guardWith(std::initializer_list<const char*> prohibited,
                      std::initializer_list<const char*> allowed) {
        TForm1& f = startedForm();
        for (const char* mask : prohibited)
            f.ListBox2->addItem(mask);
        for (const char* mask : allowed)
            f.ListBox3->addItem(mask);
        return f;
    }
    std::size_t records(const std::string& text) const {
        const std::string log = logText();
        std::size_t count = 0;
        for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++count;
        return count;
    }
};

} // namespace

TEST_F(Monitor, ProhibitedCallIsHungUpAtTheFirstPollWhileDialing) {
    TForm1& f = guardWith({"0900*"}, {"09001*"});
    const RasHandle bad = dialup.addConnection("0900555", ras::kConnectDevice);
    const RasHandle allowed = dialup.addConnection("09001234", ras::kConnectDevice);
    const RasHandle other = dialup.addConnection("0123", ras::kConnectDevice);
    std::vector<QString> alert;
    dialogs.handlers["corvanta::TForm5"] = [&](QDialog& d) {
        auto& w = static_cast<TForm5&>(d);
        alert = {w.Label2->text(), w.Label3->text(), w.Label4->text(), w.Label5->text()};
        return int(QDialog::Accepted);
    };
    f.Button1Click();
    EXPECT_EQ(dialup.hangUps, std::vector<RasHandle>{bad});
    EXPECT_EQ(sound.played, std::vector<std::string>{"alarm.wav"});
    EXPECT_EQ(alert, (std::vector<QString>{"Phone: 0900555", "Type: modem", "Name: Modem 1",
                                           "IP: Offline"}));
    EXPECT_EQ(records("!!! Prohibited List !!! Aborted !!!"), 1u);
    EXPECT_TRUE(f.Timer1->running());
    (void)allowed;
    (void)other;
    f.Button1Click();
    EXPECT_EQ(dialup.hangUps.size(), 1u);
}

TEST_F(Monitor, ShowAlertOffLogsTheStateThatWasRead) {
    TForm1& f = guardWith({"0900*"}, {});
    f.CheckBox3->setChecked(false);
    dialup.addConnection("0900555", ras::kConnectDevice);
    f.Button1Click();
    EXPECT_EQ(dialup.hangUps.size(), 1u);
    EXPECT_TRUE(dialogs.shownDialogs.empty());
    EXPECT_EQ(records("A device is about to be connected."), 1u);
    f.Button1Click();
    EXPECT_EQ(records("Disconnected."), 1u);
}

TEST_F(Monitor, TimeLimitHangsUpOneConnectionPerPoll) {
    TForm1& f = guardWith({}, {});
    f.CSpinEdit1->setValue(1);
    const RasHandle a = dialup.addConnection("0123", ras::kConnected);
    const RasHandle b = dialup.addConnection("0456", ras::kConnected);
    f.Button1Click();
    clock.advanceSeconds(61);
    // The first connection's record finds the limit used up; the next one in the same poll
    // is the one hung up, and the flag is set again by that hang-up.
    f.Button1Click();
    EXPECT_EQ(dialup.hangUps, std::vector<RasHandle>{b});
    EXPECT_TRUE(f.InTimeLimit);
    EXPECT_EQ(f.ConnectStart, 0);
    (void)a;
}

TEST_F(Monitor, StatusFailureIsReportedOneBoxAtATimeAndNotJudged) {
    TForm1& f = guardWith({"0*"}, {});
    const RasHandle h = dialup.addConnection("0900", ras::kOpenPort);
    dialup.connection(h).statusError = 623;
    int nested = 0;
    dialogs.onMessage = [&](const FakeDialogs::Message&) {
        if (nested++ < 3)
            f.Button1Click(); // polls go on under the box
    };
    f.Button1Click();
    EXPECT_EQ(dialogs.texts(), std::vector<QString>{"Error in RasGetConnectStatus #623"});
    EXPECT_TRUE(dialup.hangUps.empty());
    f.Button1Click();
    EXPECT_EQ(dialogs.messages.size(), 2u); // the box was closed, so it may show again
}

TEST_F(Monitor, RefusedHangUpGetsOneAlertAtATime) {
    TForm1& f = guardWith({"0900*"}, {});
    const RasHandle h = dialup.addConnection("0900555", ras::kConnectDevice);
    dialup.connection(h).refuseHangUp = true;
    int alerts = 0;
    dialogs.handlers["corvanta::TForm5"] = [&](QDialog&) {
        if (++alerts == 1)
            for (int i = 0; i < 3; ++i)
                f.Button1Click();
        return int(QDialog::Accepted);
    };
    f.Button1Click();
    EXPECT_EQ(alerts, 1);
    EXPECT_EQ(dialup.hangUps.size(), 4u); // judged again by every poll, hung up again
}

TEST_F(Monitor, AlertLeftOpenWhilePollsLogTheDisconnection) {
    TForm1& f = guardWith({"0900*"}, {});
    dialup.addConnection("0900555", ras::kConnectDevice);
    dialogs.handlers["corvanta::TForm5"] = [&](QDialog&) {
        f.Button1Click();
        return int(QDialog::Accepted);
    };
    f.Button1Click();
    const std::string log = logText();
    const auto disconnected = log.rfind("Disconnected.");
    const auto aborted = log.find("!!! Prohibited List !!! Aborted !!!");
    ASSERT_NE(aborted, std::string::npos);
    EXPECT_LT(disconnected, aborted); // logged under the open alert
    f.Button1Click();
    EXPECT_EQ(records("Disconnected."), 2u);
}

TEST_F(Monitor, ForceDetectIpDefersUntilAnAddressThenWaitsBounded) {
    TForm1& f = guardWith({"0900*"}, {});
    f.CheckBox2->setChecked(true);
    const RasHandle h = dialup.addConnection("0900555", ras::kConnectDevice);
    f.Button1Click();
    EXPECT_TRUE(dialup.hangUps.empty());
    EXPECT_TRUE(sound.played.empty());

    // Online with an address the log writer turns into "Unknown": the wait gives up in time.
    dialup.setState(h, ras::kConnected);
    watch.setAddress("No match for 0900555");
    f.Button1Click(); // the log writer takes the address over after this poll's judgement
    EXPECT_TRUE(dialup.hangUps.empty());
    EXPECT_EQ(f.CurrentIp, "Unknown");
    f.Button1Click();
    EXPECT_EQ(dialup.hangUps, std::vector<RasHandle>{h});
    EXPECT_GT(watch.refreshCount, 0);
}

TEST_F(Monitor, ForceDetectIpShowsTheAddressOnceKnown) {
    TForm1& f = guardWith({"0900*"}, {});
    f.CheckBox2->setChecked(true);
    dialup.addConnection("0900555", ras::kConnected);
    watch.setAddress("198.51.100.9");
    QString ip;
    dialogs.handlers["corvanta::TForm5"] = [&](QDialog& d) {
        ip = static_cast<TForm5&>(d).Label5->text();
        return int(QDialog::Accepted);
    };
    f.Button1Click(); // judged while the log writer still says "Offline"
    EXPECT_TRUE(ip.isEmpty());
    f.Button1Click();
    EXPECT_EQ(ip, "IP: 198.51.100.9");
}

TEST_F(Monitor, ForcedTraceKeepsTheReportThenHangsUp) {
    TForm1& f = guardWith({"0900*"}, {});
    f.CheckBox7->setChecked(true);
    const RasHandle h = dialup.addConnection("0900555", ras::kConnected);
    std::size_t hangUpsWhenAlertShown = 99;
    dialogs.handlers["corvanta::TForm5"] = [&](QDialog&) {
        hangUpsWhenAlertShown = dialup.hangUps.size();
        return int(QDialog::Accepted);
    };
    f.Button1Click();
    EXPECT_EQ(hangUpsWhenAlertShown, 1u);
    EXPECT_EQ(dialup.hangUps, std::vector<RasHandle>{h});
    std::ifstream report(folder + "PROHIBITED.LOG", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(report)), {});
    EXPECT_EQ(text.rfind("Corvanta v.1.7 Build #39-13\r\n", 0), 0u);
    EXPECT_NE(text.find("Phone number: 0900555\r\n"), std::string::npos);
    EXPECT_NE(text.find("gw.example.net [192.0.2.1]\r\n"), std::string::npos);
    EXPECT_EQ(dialogs.texts().back(),
              QString::fromStdString("Tracing info saved in:\n" + folder + "PROHIBITED.LOG"));
    ASSERT_TRUE(f.TraceWindow);
    EXPECT_TRUE(f.TraceWindow->CloseRequested);
    f.MonitorTick();
    EXPECT_FALSE(f.TraceWindow);
}

TEST_F(Monitor, ForcedTraceThatCannotBeSavedStillHangsUp) {
    TForm1& f = guardWith({"0900*"}, {});
    f.CheckBox7->setChecked(true);
    f.CheckBox3->setChecked(false);
    std::filesystem::create_directories(folder + "PROHIBITED.LOG"); // a folder is in the way
    dialup.addConnection("0900555", ras::kConnected);
    f.Button1Click();
    EXPECT_EQ(dialup.hangUps.size(), 1u);
    EXPECT_TRUE(f.Timer1->running());
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.texts().back().startsWith("Tracing info was not saved"));
}

TEST_F(Monitor, NoConnectionLogsOnceAndRunsAPendingOptimiserRun) {
    TForm1& f = guardWith({}, {});
    for (int i = 0; i < 3; ++i)
        f.Button1Click();
    EXPECT_EQ(records("Disconnected."), 1u);
    EXPECT_EQ(f.EntryName, "Closed");
    EXPECT_EQ(f.DeviceType, "None");
}
