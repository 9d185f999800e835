#pragma once
// Message boxes and modal windows for a person at the screen. With CORVANTA_UNATTENDED=1 in
// the environment nobody is asked: each message goes to standard error as "Corvanta: <text>"
// and gets the cautious answer, modal windows are rejected unseen and save dialogs cancelled.
#include "platform/Dialogs.h"

namespace corvanta {

// The answer given when nobody can be asked: the safe choice of each button set.
inline MessageResult unattendedAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return MessageResult::Cancel;
    case MessageButtons::YesNo:
        return MessageResult::No;
    case MessageButtons::Ok:
        break;
    }
    return MessageResult::Ok;
}

class QtDialogs final : public IDialogs {
public:
    static bool unattended(); // CORVANTA_UNATTENDED is "1"

    MessageResult message(QWidget* parent, const QString& text, MessageKind kind,
                          MessageButtons buttons) override;
    int exec(QDialog& dialog) override;
    QString saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                         const QString& defaultSuffix, const QString& filter) override;
    void openUrl(const QString& url) override;
};

} // namespace corvanta
