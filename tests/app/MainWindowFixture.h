#pragma once
// A main window on fakes: the dial-up service, registry, clock, tray, sound, address watch and
// every dialog are in the test's hands.
#include "FakeAddressWatch.h"
#include "FakeDialogs.h"
#include "FakeSound.h"
#include "FakeTraceRunner.h"
#include "FakeTray.h"
#include "ManualClock.h"
#include "TestEnvironment.h"
#include "app/TForm1.h"
#include "platform/FakeDialupService.h"
#include "platform/MemoryRegistry.h"

#include <gtest/gtest.h>
#include <memory>

namespace corvanta::test {

// The fakes behind a main window, and the services that wire them up. The dial-up service,
// registry and clock can be swapped for real ones.
struct FakeAppServices {
    FakeDialupService dialup;
    MemoryRegistry registry;
    ManualClock clock{encodeDateTime({2026, 12, 11, 10, 0, 0, 0})};
    FakeSound sound;
    FakeAddressWatch watch;
    FakeDialogs dialogs;
    FakeTraceRunners runners;
    NoWhois whois;
    FakeTray* tray = nullptr;
    std::string folder = makeTempFolder("program") + "/";
    std::string integrityProblem;
    bool otherCopyRunning = false;
    int alreadyRunningCalls = 0;
    std::vector<int> exitCodes;
    int quitCalls = 0;

    AppServices wiredTo(IDialupService& dialupService, IRegistry& registryService,
                        IClock& clockService) {
        return AppServices{dialupService,
                           registryService,
                           clockService,
                           sound,
                           watch,
                           dialogs,
                           runners,
                           whois,
                           [this](QWidget*) {
                               auto fake = std::make_unique<FakeTray>();
                               tray = fake.get();
                               return fake;
                           },
                           folder,
                           folder + "corvanta",
                           "trace.example",
                           std::chrono::milliseconds(200),
                           std::chrono::milliseconds(2000),
                           [this] { return integrityProblem; },
                           [this] {
                               ++alreadyRunningCalls;
                               return otherCopyRunning;
                           },
                           [this](int code) { exitCodes.push_back(code); },
                           [this] { ++quitCalls; }};
    }
};

struct MainWindowFixture : ::testing::Test, FakeAppServices {
    AppServices services = wiredTo(dialup, registry, clock);
    std::unique_ptr<TForm1> form;

    TForm1& makeForm() {
        form = std::make_unique<TForm1>(services);
        return *form;
    }
    // A started program, handed over to the tray, with nothing asked on the way.
    TForm1& startedForm() {
        makeForm().FormCreate();
        form->Timer1Timer(); // the hand-over tick
        dialogs.messages.clear();
        sound.played.clear();
        return *form;
    }
    // Settings as an earlier run of the program saved them.
    void storeSettings(const std::function<void(TForm1&)>& change) {
        TForm1& earlier = makeForm();
        change(earlier);
        earlier.SaveCFG();
        form.reset();
    }
    std::string logText() const;
};

} // namespace corvanta::test
