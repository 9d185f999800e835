#pragma once
// Runs a console command hidden and reports its output line by line on the user-interface
// thread.
#include <functional>
#include <memory>
#include <string>

namespace corvanta {

enum class OutputKind { BeginningOfLine, EntireLine };

class IConsoleRunner {
public:
    virtual ~IConsoleRunner() = default;
    // Limits in seconds: start to end, and since the last output.
    virtual void setTimeLimits(int totalSeconds, int idleSeconds) = 0;
    virtual void start(const std::string& commandLine) = 0;
    // Ends the command; the lines and the end event it causes are delivered before this returns.
    virtual void stop() = 0;
    virtual bool running() const = 0;

    std::function<void(const std::string& text, OutputKind kind)> onNewLine;
    std::function<void()> onTerminated; // once per run
};

class IConsoleRunnerFactory {
public:
    virtual ~IConsoleRunnerFactory() = default;
    virtual std::unique_ptr<IConsoleRunner> create() = 0;
};

} // namespace corvanta
