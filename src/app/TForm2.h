#pragma once
// The About window.
#include "app/CenteredDialog.h"

class QLabel;
class QPushButton;

namespace corvanta {

class IDialogs;

class TForm2 final : public CenteredDialog {
    Q_OBJECT
public:
    TForm2(IDialogs& dialogs, QWidget* parent);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label9;
    QLabel* Label10;
    QPushButton* LbSpeedButton7;

    void Label5Click();
    void Label10Click();

private:
    IDialogs& dialogs_;
};

inline constexpr const char* MakerWebAddress = "https://corvanta.example.org/";
inline constexpr const char* MakerMailAddress = "team@corvanta.example.org";

} // namespace corvanta
