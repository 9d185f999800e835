#include "FakeDialogs.h"

#include "platform/QtDialogs.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace corvanta::test {
namespace {

bool offers(MessageButtons buttons, MessageResult answer) {
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == MessageResult::Ok;
    case MessageButtons::OkCancel:
        return answer == MessageResult::Ok || answer == MessageResult::Cancel;
    case MessageButtons::YesNo:
        return answer == MessageResult::Yes || answer == MessageResult::No;
    }
    return false;
}

} // namespace

std::vector<QString> FakeDialogs::texts() const {
    std::vector<QString> result;
    for (const auto& m : messages)
        result.push_back(m.text);
    return result;
}

MessageResult FakeDialogs::message(QWidget*, const QString& text, MessageKind kind,
                                   MessageButtons buttons) {
    const Message shown{text, kind, buttons};
    messages.push_back(shown);
    if (onMessage)
        onMessage(shown); // may nest further messages

    if (answers.empty())
        return unattendedAnswer(buttons);
    const MessageResult answer = answers.front();
    answers.pop_front();
    if (!offers(buttons, answer))
        ADD_FAILURE() << "prepared answer " << static_cast<int>(answer)
                      << " does not fit the box \"" << text.toStdString() << "\"";
    return answer;
}

int FakeDialogs::exec(QDialog& dialog) {
    const QString name = QString::fromLatin1(dialog.metaObject()->className());
    shownDialogs.push_back(name);
    if (const auto handler = handlers.find(name); handler != handlers.end())
        return handler->second(dialog);
    return defaultHandler ? defaultHandler(dialog) : QDialog::Rejected;
}

QString FakeDialogs::saveFileName(QWidget*, const QString& folder, const QString& proposedName,
                                  const QString& defaultSuffix, const QString& filter) {
    saveRequests.push_back({folder, proposedName, defaultSuffix, filter});
    if (saveAnswers.empty())
        return {};
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

} // namespace corvanta::test
