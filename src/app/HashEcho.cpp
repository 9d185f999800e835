#include "app/HashEcho.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace corvanta {
namespace {

class HashEchoStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '#';
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void showHashesFor(QLineEdit* field) {
    auto* style = new HashEchoStyle;
    style->setParent(field); // a style set on a widget is not owned by it
    field->setStyle(style);
    field->setEchoMode(QLineEdit::Password);
}

} // namespace corvanta
