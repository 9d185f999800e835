#include "MainWindowFixture.h"

#include "app/TForm2.h"
#include "app/TForm3.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace corvanta;
using namespace corvanta::test;

using Protection = MainWindowFixture;

TEST_F(Protection, PasswordGate) {
    struct Case {
        bool protectedWindow;
        const char* password;
        const char* answer;
        bool backToTray;
    } cases[] = {
        {true, "abc", "abc", false}, {true, "abc", "ABC", true}, {true, "abc", "", true},
        {true, "", "", false},       {false, "abc", "x", false},
    };
    for (const Case& c : cases) {
        TForm1& f = startedForm();
        f.CheckBox6->setChecked(c.protectedWindow);
        f.MaskEdit1->setText(c.password);
        int prompts = 0;
        dialogs.handlers["corvanta::TForm3"] = [&](QDialog& d) {
            ++prompts;
            static_cast<TForm3&>(d).MaskEdit1->setText(c.answer);
            return int(QDialog::Accepted);
        };
        const int minimizedBefore = tray->minimizeCount;
        f.TrayIcon1Click();
        EXPECT_EQ(prompts, c.protectedWindow ? 1 : 0) << c.password << "/" << c.answer;
        EXPECT_EQ(tray->minimizeCount - minimizedBefore, c.backToTray ? 1 : 0)
            << c.password << "/" << c.answer;
    }
}

TEST_F(Protection, PasswordBoxFollowsItsCheckBox) {
    TForm1& f = startedForm();
    EXPECT_FALSE(f.MaskEdit1->isEnabled());
    f.MaskEdit1->setText("kept");
    f.CheckBox6->setChecked(true);
    EXPECT_TRUE(f.MaskEdit1->isEnabled());
    f.CheckBox6->setChecked(false);
    EXPECT_FALSE(f.MaskEdit1->isEnabled());
    EXPECT_EQ(f.MaskEdit1->text(), "kept");
}

TEST_F(Protection, AutostartFollowsTheBoxAtOnce) {
    TForm1& f = startedForm();
    const std::string exe = folder + "corvanta";
    EXPECT_EQ(registry.readString(registry_keys::kRun, "Corvanta"), exe);
    f.CheckBox5->setChecked(false);
    EXPECT_FALSE(registry.readString(registry_keys::kRun, "Corvanta"));
    f.CheckBox5->setChecked(true);
    EXPECT_EQ(registry.readString(registry_keys::kRun, "Corvanta"), exe);
}

TEST_F(Protection, UnloadAsksFirst) {
    TForm1& f = startedForm();
    dialogs.answers = {MessageResult::Cancel};
    f.LbSpeedButton5Click();
    EXPECT_EQ(quitCalls, 0);
    dialogs.answers = {MessageResult::Ok};
    f.LbSpeedButton5Click();
    EXPECT_EQ(quitCalls, 1);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Warning! Your system will be vulnerable without "
                                        "Corvanta! Unload Corvanta anyway?");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
}

TEST_F(Protection, AboutShowsTheBuildEveryTimeAndOpensLinks) {
    TForm1& f = startedForm();
    std::vector<QString> captions;
    dialogs.handlers["corvanta::TForm2"] = [&](QDialog& d) {
        auto& about = static_cast<TForm2&>(d);
        captions.push_back(about.Label1->text());
        about.Label5Click();
        about.Label10Click();
        return int(QDialog::Accepted);
    };
    f.LbSpeedButton2Click();
    f.About1Click();
    EXPECT_EQ(captions, (std::vector<QString>(2, "Corvanta v 1.7  Build #39-13")));
    ASSERT_EQ(dialogs.openedUrls.size(), 4u);
    EXPECT_TRUE(dialogs.openedUrls[0].startsWith("https://"));
    EXPECT_TRUE(dialogs.openedUrls[1].startsWith("mailto:"));
}
