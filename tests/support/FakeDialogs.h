#pragma once
// Dialogs for tests: records every message, modal window, save request and opened address,
// and answers from prepared queues. With nothing prepared it answers as nobody at the screen
// would: Ok, Cancel, No; modal windows are rejected and save dialogs cancelled.
#include "platform/Dialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace corvanta::test {

class FakeDialogs final : public IDialogs {
public:
    struct Message {
        QString text;
        MessageKind kind;
        MessageButtons buttons;
    };
    struct SaveRequest {
        QString folder, proposedName, defaultSuffix, filter;
    };
    using DialogHandler = std::function<int(QDialog&)>;

    // Answers for the next messages, in order; an answer the box has no button for fails the
    // test.
    std::deque<MessageResult> answers;
    // Runs while a message is "open", before it is answered (for nesting scenarios).
    std::function<void(const Message&)> onMessage;
    // Per dialog class (metaObject()->className()); others go to defaultHandler.
    std::map<QString, DialogHandler> handlers;
    DialogHandler defaultHandler;
    std::deque<QString> saveAnswers; // empty answer or empty queue: cancelled

    std::vector<Message> messages;
    std::vector<QString> shownDialogs; // class names, in order
    std::vector<SaveRequest> saveRequests;
    std::vector<QString> openedUrls;

    // The texts of all messages, in order.
    std::vector<QString> texts() const;

    MessageResult message(QWidget* parent, const QString& text, MessageKind kind,
                          MessageButtons buttons) override;
    int exec(QDialog& dialog) override;
    QString saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                         const QString& defaultSuffix, const QString& filter) override;
    void openUrl(const QString& url) override { openedUrls.push_back(url); }
};

} // namespace corvanta::test
