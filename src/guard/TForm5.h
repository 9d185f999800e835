#pragma once
// The alert window shown after a call to a prohibited number was hung up.
#include "app/CenteredDialog.h"

#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace corvanta {

class TForm5 : public CenteredDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Phone as dialed, device type, device name, the machine's address.
    void fill(const std::string& phone, const std::string& type, const std::string& name,
              const std::string& ip);

    bool labelIsRed() const;

    QLabel* Label1; // the blinking warning
    QLabel* Label2; // phone
    QLabel* Label3; // device type
    QLabel* Label4; // device name
    QLabel* Label5; // address
    QPushButton* LbSpeedButton7;
    QTimer* Timer1;

public slots:
    void Timer1Timer();
};

} // namespace corvanta
