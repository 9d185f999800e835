// Cost of one poll of the main window against the simulated dial-up service (an SQLite file),
// with no connection and with two connections up.
#include "MainWindowFixture.h"
#include "platform/SimulatedDialupService.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace corvanta;

namespace {

void poll(benchmark::State& state) {
    test::FakeAppServices fakes;
    SimulatedDialupService dialup(fakes.folder + "dialup.sqlite3");
    for (int i = 0; i < state.range(0); ++i) {
        DialRequest request;
        request.number = "0123" + std::to_string(i);
        request.connectAfterMs = 0;
        RasHandle handle = 0;
        dialup.dial(request, handle);
    }
    SystemClock clock;
    AppServices services = fakes.wiredTo(dialup, fakes.registry, clock);
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
