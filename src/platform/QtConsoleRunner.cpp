#include "platform/QtConsoleRunner.h"

#include "platform/TextCodec.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <climits>
#include <csignal>
#include <unistd.h>

namespace corvanta {
namespace {

// How long a stopped command may take to go before it is killed, and then to be reaped.
constexpr int GraceMilliseconds = 3000;

int milliseconds(int seconds) {
    return static_cast<int>(std::min<long long>(seconds * 1000LL, INT_MAX));
}

} // namespace

QtConsoleRunner::QtConsoleRunner(std::string programFolder)
    : programFolder_(std::move(programFolder)) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardInputFile(QProcess::nullDevice());
    // Its own process group, so that stopping reaches the commands it runs in turn.
    process_.setChildProcessModifier([] { setpgid(0, 0); });
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, &process_,
                     [this] { readOutput(); });
    QObject::connect(&process_, &QProcess::finished, &process_, [this] {
        readOutput();
        finishRun();
    });
    QObject::connect(&process_, &QProcess::errorOccurred, &process_,
                     [this](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart && active_)
                             failRun(QStringLiteral("Cannot run \"%1\": %2.")
                                         .arg(process_.program(), process_.errorString()));
                     });
    totalTimer_.setSingleShot(true);
    idleTimer_.setSingleShot(true);
    QObject::connect(&totalTimer_, &QTimer::timeout, &totalTimer_, [this] { stop(); });
    QObject::connect(&idleTimer_, &QTimer::timeout, &idleTimer_, [this] { stop(); });
}

QtConsoleRunner::~QtConsoleRunner() {
    QObject::disconnect(&process_, nullptr, nullptr, nullptr);
    if (process_.state() != QProcess::NotRunning) {
        signalGroup(SIGKILL);
        process_.waitForFinished(GraceMilliseconds);
    }
}

void QtConsoleRunner::setTimeLimits(int totalSeconds, int idleSeconds) {
    totalTimer_.setInterval(milliseconds(totalSeconds));
    idleTimer_.setInterval(milliseconds(idleSeconds));
}

void QtConsoleRunner::start(const std::string& commandLine) {
    if (active_)
        return;
    active_ = true;
    splitter_ = LineSplitter();
    QStringList arguments = QProcess::splitCommand(toQt(commandLine));
    if (arguments.isEmpty())
        return failRun(QStringLiteral("Cannot run an empty command."));
    const QString name = arguments.takeFirst();
    const QString program = resolve(name);
    if (program.isEmpty())
        return failRun(QStringLiteral("Cannot run \"%1\": command not found.").arg(name));
    if (totalTimer_.interval() > 0)
        totalTimer_.start();
    if (idleTimer_.interval() > 0)
        idleTimer_.start();
    process_.start(program, arguments, QIODevice::ReadOnly);
}

void QtConsoleRunner::stop() {
    if (!active_)
        return;
    if (process_.state() != QProcess::NotRunning) {
        signalGroup(SIGTERM);
        // Waiting delivers the last output and the end through the process's signals.
        if (!process_.waitForFinished(GraceMilliseconds)) {
            signalGroup(SIGKILL);
            process_.waitForFinished(GraceMilliseconds);
        }
    }
    if (active_)
        finishRun();
}

QString QtConsoleRunner::resolve(const QString& program) const {
    if (program.contains(QLatin1Char('/')))
        return program;
    const QFileInfo beside(toQt(programFolder_) + program);
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(program);
}

void QtConsoleRunner::readOutput() {
    const QByteArray data = process_.readAllStandardOutput();
    if (data.isEmpty() || !active_)
        return; // nothing may follow the end event
    if (idleTimer_.isActive())
        idleTimer_.start();
    deliver(splitter_.feed(std::string_view(data.constData(), data.size())));
}

void QtConsoleRunner::deliver(const std::vector<OutputLine>& lines) {
    for (const auto& line : lines)
        if (onNewLine)
            onNewLine(line.text, line.kind);
}

void QtConsoleRunner::failRun(const QString& why) {
    deliver({{fromQt(why), OutputKind::EntireLine}});
    finishRun();
}

void QtConsoleRunner::finishRun() {
    if (!active_)
        return;
    deliver(splitter_.finish());
    totalTimer_.stop();
    idleTimer_.stop();
    active_ = false;
    if (onTerminated)
        onTerminated();
}

void QtConsoleRunner::signalGroup(int signal) {
    const auto pid = static_cast<pid_t>(process_.processId());
    // Before the child has made its group, only the child itself can be reached.
    if (pid > 0 && ::kill(-pid, signal) != 0)
        ::kill(pid, signal);
}

} // namespace corvanta
