#pragma once
// A console runner that prints prepared lines and ends as soon as it starts.
#include "platform/ConsoleRunner.h"
#include "platform/WhoisClient.h"

#include <vector>

namespace corvanta::test {

class FakeTraceRunner final : public IConsoleRunner {
public:
    explicit FakeTraceRunner(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    void setTimeLimits(int, int) override {}
    void start(const std::string& commandLine) override {
        started.push_back(commandLine);
        for (const std::string& line : lines_)
            onNewLine(line, OutputKind::EntireLine);
        onTerminated();
    }
    void stop() override {}
    bool running() const override { return false; }
    std::vector<std::string> started;

private:
    std::vector<std::string> lines_;
};

class FakeTraceRunners final : public IConsoleRunnerFactory {
public:
    std::unique_ptr<IConsoleRunner> create() override {
        ++created;
        return std::make_unique<FakeTraceRunner>(lines);
    }
    std::vector<std::string> lines{"  1    10 ms    11 ms    12 ms  gw.example.net [192.0.2.1]"};
    int created = 0;
};

class NoWhois final : public IWhoisClient {
public:
    std::string query(const std::string&) override { throw WhoisError("no network in tests"); }
};

} // namespace corvanta::test
