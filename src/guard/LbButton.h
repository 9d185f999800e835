#pragma once
// The program's flat buttons with a hover colour, used by its small windows.
#include <QPushButton>

namespace corvanta {

QPushButton* makeLbButton(const QString& caption, QWidget* parent);

} // namespace corvanta
