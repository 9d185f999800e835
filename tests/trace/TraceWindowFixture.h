#pragma once
// A trace window over the real console runner, with a fake "tracert" script in a fresh
// program folder, answered dialogs and a WHOIS client that answers from memory.
#include "FakeDialogs.h"
#include "TestEnvironment.h"
#include "TraceTestSupport.h"
#include "platform/QtConsoleRunner.h"
#include "trace/TForm9.h"

#include <QApplication>
#include <QCursor>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace corvanta::test {

class FakeWhois final : public IWhoisClient {
public:
    std::string reply;
    std::optional<std::string> failure;
    std::vector<std::string> queries;
    std::vector<Qt::CursorShape> cursors; // the cursor while each query ran

    std::string query(const std::string& text) override {
        if (onWorkBegin)
            onWorkBegin();
        queries.push_back(text);
        const QCursor* cursor = QApplication::overrideCursor();
        cursors.push_back(cursor ? cursor->shape() : Qt::ArrowCursor);
        if (onWorkEnd)
            onWorkEnd();
        if (failure)
            throw WhoisError(*failure);
        return reply;
    }
};

class TraceWindowTest : public ::testing::Test {
protected:
    void writeTracert(const std::string& body) { writeScript(folder + "tracert", body); }

    TForm9& open() {
        window = std::make_unique<TForm9>(
            TraceSetup{dialogs, runners, whois, folder, "0900123", "10.0.0.5",
                       encodeDateTime({2024, 5, 6, 7, 8, 9, 0}), "target.example"},
            nullptr);
        return *window;
    }

    QStringList listed() const {
        QStringList lines;
        for (int row = 0; row < window->ListBox1->count(); ++row)
            lines << window->ListBox1->item(row)->text();
        return lines;
    }

    bool ended() const { return window->LbSpeedButton7->text() == QStringLiteral("Ok"); }

    const QStringList header{"Corvanta v.1.7 Build #39-13", QString(59, QLatin1Char('-')),
                             "2024-05-06 07:08:09",         "Phone number: 0900123",
                             "Current IP: 10.0.0.5",        QString(59, QLatin1Char('-'))};
    std::string folder = makeTempFolder("program") + "/";
    FakeDialogs dialogs;
    QtConsoleRunnerFactory runners{folder};
    FakeWhois whois;
    std::unique_ptr<TForm9> window;
};

} // namespace corvanta::test
