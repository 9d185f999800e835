#include "guard/LbButton.h"

namespace corvanta {

QPushButton* makeLbButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFlat(true);
    button->setMinimumWidth(80);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid palette(mid); border-radius: 3px; padding: 4px 12px; }"
        "QPushButton:hover { background-color: #dde8f6; }"
        "QPushButton:pressed { background-color: #c4d6ee; }"
        "QPushButton:focus { border-color: palette(highlight); }"));
    return button;
}

} // namespace corvanta
