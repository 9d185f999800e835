#include "MainWindowFixture.h"

#include "app/TForm11.h"
#include "app/VclTimer.h"

#include <QCheckBox>
#include <QLabel>

using namespace corvanta;
using namespace corvanta::test;

using Startup = MainWindowFixture;

TEST_F(Startup, FirstRunAsksForTheWizardAndStartsThePollAtOneSecond) {
    TForm1& f = makeForm();
    f.FormCreate();
    EXPECT_EQ(dialogs.texts(),
              (std::vector<QString>{"Configuration not loaded!", "Run Configuration Wizard?",
                                    "Please don't forget setup Corvanta."}));
    EXPECT_FALSE(f.SettingsLoaded);
    EXPECT_TRUE(registry.hasKey(registry_keys::kSettings));
    EXPECT_EQ(f.Timer1->interval(), 1000);
    EXPECT_TRUE(f.Timer1->running());
    EXPECT_TRUE(f.Timer2->enabled());
    EXPECT_EQ(f.CurrentIp, "Offline");
    EXPECT_EQ(f.PreviousIp, "OldWhoIs");
    ASSERT_TRUE(f.SplashWindow);
    EXPECT_FALSE(f.SplashWindow->isVisible()); // hidden for the question
    EXPECT_EQ(f.SplashWindow->Label2->text(), "Finalizing...");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(tray->showCount, 1);
    // The autostart handler ran with the default (checked) box.
    EXPECT_EQ(registry.readString(registry_keys::kRun, "Corvanta"), folder + "corvanta");
}

TEST_F(Startup, AlteredProgramEndsBeforeAnythingElse) {
    integrityProblem = "The program file has been altered.";
    makeForm().FormCreate();
    EXPECT_EQ(exitCodes, std::vector<int>{2});
    EXPECT_EQ(alreadyRunningCalls, 0);
    EXPECT_EQ(tray->showCount, 0);
    EXPECT_EQ(dialogs.texts(), std::vector<QString>{"The program file has been altered."});
}

TEST_F(Startup, SecondCopyEndsWithCodeThreeAndShowsNothing) {
    otherCopyRunning = true;
    TForm1& f = makeForm();
    f.FormCreate();
    EXPECT_EQ(exitCodes, std::vector<int>{3});
    EXPECT_EQ(dialogs.texts(), std::vector<QString>{"Abnormal program termination"});
    EXPECT_EQ(tray->showCount, 0);
    EXPECT_FALSE(f.SplashWindow);
    EXPECT_FALSE(registry.readString(registry_keys::kRun, "Corvanta"));
}

TEST_F(Startup, SplashSoundFlagIsTakenBeforeTheSettingsLoad) {
    storeSettings([](TForm1& f) { f.CheckBox8->setChecked(false); });
    TForm1& f = makeForm();
    f.FormCreate();
    EXPECT_TRUE(f.SettingsLoaded);
    EXPECT_FALSE(f.CheckBox8->isChecked());
    ASSERT_TRUE(f.SplashWindow);
    EXPECT_TRUE(f.SplashWindow->PlayStartSound);
    EXPECT_TRUE(dialogs.messages.empty()); // no wizard offer once settings exist
}

TEST_F(Startup, FirstTickHandsOverToTheTrayAndOnlyTheSecondPolls) {
    TForm1& f = makeForm();
    f.FormCreate();
    f.SplashWindow->CheckBox1->setChecked(false); // the user switches the logo off
    f.Timer1Timer();
    EXPECT_EQ(dialup.enumCalls, 0);
    EXPECT_EQ(f.Timer1->interval(), 500);
    EXPECT_FALSE(f.SplashWindow);
    EXPECT_FALSE(f.CheckBox10->isChecked());
    EXPECT_EQ(tray->minimizeCount, 1);
    f.Timer1Timer();
    EXPECT_EQ(dialup.enumCalls, 1);
}

TEST_F(Startup, NoLogoMeansNoSplashShown) {
    storeSettings([](TForm1& f) { f.CheckBox10->setChecked(false); });
    TForm1& f = makeForm();
    f.FormCreate();
    ASSERT_TRUE(f.SplashWindow);
    EXPECT_FALSE(f.SplashWindow->isVisible());
    EXPECT_FALSE(f.SplashWindow->CheckBox1->isChecked());
    f.Timer1Timer();
    EXPECT_FALSE(f.CheckBox10->isChecked());
}

TEST_F(Startup, FormDestroySavesAndReappliesAutostartOnce) {
    TForm1& f = startedForm();
    f.CheckBox5->setChecked(false);
    registry.writeString(registry_keys::kRun, "Corvanta", "stale");
    f.FormDestroy();
    f.FormDestroy();
    EXPECT_FALSE(registry.readString(registry_keys::kRun, "Corvanta"));
    EXPECT_TRUE(registry.valueSize(registry_keys::kSettings, "Corvanta"));
}
