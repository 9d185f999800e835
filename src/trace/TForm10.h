#pragma once
// The WHOIS window: the looked-up address and domain and the record's field lines, which the
// user may edit and save.
#include "app/CenteredDialog.h"
#include "platform/Dialogs.h"
#include "trace/WhoisTarget.h"

#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace corvanta {

class TForm10 final : public CenteredDialog {
    Q_OBJECT
public:
    TForm10(IDialogs& dialogs, std::string programFolder, QWidget* parent);

    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* LbSpeedButton7; // OK
    QPushButton* LbSpeedButton2; // Save

    void showLookup(const WhoisTarget& target, const std::vector<std::string>& fieldLines);
    // The text box's lines in Latin-1, each followed by CR LF.
    bool writeMemoTo(const QString& path, QString* error) const;

    void LbSpeedButton7Click();
    void LbSpeedButton2Click();

protected:
    void reject() override;

private:
    IDialogs& dialogs_;
    std::string programFolder_;
};

} // namespace corvanta
