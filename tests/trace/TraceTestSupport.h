#pragma once
// Helpers for tests that run console commands: small shell scripts written on the fly, and a
// wait that keeps the event loop turning until something has happened.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <csignal>
#include <fstream>
#include <functional>
#include <string>

namespace corvanta::test {

// Processes events until done() holds or the deadline passes; says whether done() held.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 15000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// Writes an executable /bin/sh script.
inline void writeScript(const std::string& path, const std::string& body) {
    std::ofstream(path, std::ios::binary) << "#!/bin/sh\n" << body;
    QFile::setPermissions(QString::fromStdString(path),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void touch(const std::string& path) {
    std::ofstream(path) << "";
}

// A process is gone once it cannot be signalled or only its zombie is left.
inline bool processGone(const std::string& pidText) {
    const int pid = std::atoi(pidText.c_str());
    if (pid <= 0 || ::kill(pid, 0) != 0)
        return true;
    const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] == 'Z';
}

} // namespace corvanta::test
