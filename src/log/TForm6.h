#pragma once
// The log viewer: a snapshot of the connection log, one list line per log line.
#include "app/CenteredDialog.h"

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace corvanta {

class TForm6 : public CenteredDialog {
    Q_OBJECT
public:
    explicit TForm6(const std::vector<std::string>& lines = {}, QWidget* parent = nullptr);

    // Replaces what the list shows.
    void load(const std::vector<std::string>& lines);

    QListWidget* ListBox1;
    QPushButton* LbSpeedButton7;
};

} // namespace corvanta
