// Cost of one poll of the main window against the simulated dial-up service (an SQLite file),
// with no connection and with two connections up.
#include "FakeAddressWatch.h"
#include "FakeDialogs.h"
#include "FakeSound.h"
#include "FakeTray.h"
#include "TestEnvironment.h"
#include "app/TForm1.h"
#include "platform/MemoryRegistry.h"
#include "platform/SimulatedDialupService.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace corvanta;

namespace {

class NoRunners final : public IConsoleRunnerFactory {
public:
    std::unique_ptr<IConsoleRunner> create() override { return nullptr; }
};

class NoWhois final : public IWhoisClient {
public:
    std::string query(const std::string&) override { return {}; }
};

void poll(benchmark::State& state) {
    const std::string home = test::makeTempFolder("bench");
    SimulatedDialupService dialup(home + "/dialup.sqlite3");
    for (int i = 0; i < state.range(0); ++i) {
        DialRequest request;
        request.number = "0123" + std::to_string(i);
        request.connectAfterMs = 0;
        RasHandle handle = 0;
        dialup.dial(request, handle);
    }
    MemoryRegistry registry;
    SystemClock clock;
    test::FakeSound sound;
    test::FakeAddressWatch watch;
    test::FakeDialogs dialogs;
    NoRunners runners;
    NoWhois whois;
    AppServices services{dialup,
                         registry,
                         clock,
                         sound,
                         watch,
                         dialogs,
                         runners,
                         whois,
                         [](QWidget*) { return std::make_unique<test::FakeTray>(); },
                         home + "/",
                         home + "/corvanta",
                         "",
                         std::chrono::milliseconds(0),
                         std::chrono::milliseconds(0),
                         [] { return std::string(); },
                         [] { return false; },
                         [](int) {},
                         [] {}};
    TForm1 form(services);
    for (auto _ : state)
        form.Button1Click();
}

} // namespace

BENCHMARK(poll)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    test::testHome();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
