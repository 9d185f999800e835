#pragma once
// Console commands through QProcess, output and errors on one channel. Everything happens on
// the thread that owns the runner, so its events reach the windows there, also inside loops
// that process events while they wait.
#include "platform/ConsoleRunner.h"
#include "trace/LineSplitter.h"

#include <QProcess>
#include <QTimer>
#include <string>

namespace corvanta {

class QtConsoleRunner final : public IConsoleRunner {
public:
    // A bare command name is looked for in programFolder first, then on the PATH.
    explicit QtConsoleRunner(std::string programFolder);
    ~QtConsoleRunner() override;
    QtConsoleRunner(const QtConsoleRunner&) = delete;
    QtConsoleRunner& operator=(const QtConsoleRunner&) = delete;

    void setTimeLimits(int totalSeconds, int idleSeconds) override;
    // A command that cannot be started reports why as a line, then ends; this may happen
    // before start returns.
    void start(const std::string& commandLine) override;
    // Ends the command and everything it started (its process group).
    void stop() override;
    bool running() const override { return active_; }

private:
    QString resolve(const QString& program) const;
    void readOutput();
    void deliver(const std::vector<OutputLine>& lines);
    void failRun(const QString& why);
    void finishRun();
    void signalGroup(int signal);

    std::string programFolder_;
    QProcess process_;
    QTimer totalTimer_;
    QTimer idleTimer_;
    LineSplitter splitter_;
    bool active_ = false;
};

class QtConsoleRunnerFactory final : public IConsoleRunnerFactory {
public:
    explicit QtConsoleRunnerFactory(std::string programFolder)
        : programFolder_(std::move(programFolder)) {}
    std::unique_ptr<IConsoleRunner> create() override {
        return std::make_unique<QtConsoleRunner>(programFolder_);
    }

private:
    std::string programFolder_;
};

} // namespace corvanta
