#pragma once
// Every message box, question, file dialog and modal window goes through this interface, so
// that tests answer them instead of a person.
#include <QString>

class QDialog;
class QWidget;

namespace corvanta {

enum class MessageKind { Information, Warning, Confirmation, Error };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

class IDialogs {
public:
    virtual ~IDialogs() = default;
    virtual MessageResult message(QWidget* parent, const QString& text, MessageKind kind,
                                  MessageButtons buttons) = 0;
    // Shows a modal window and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog) = 0;
    // An empty result means the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& folder,
                                 const QString& proposedName, const QString& defaultSuffix,
                                 const QString& filter) = 0;
    // Opens a web page or a "mailto:" link with the desktop's default handler.
    virtual void openUrl(const QString& url) = 0;
};

} // namespace corvanta
