#pragma once
#include "settings/SettingsBlob.h"

#include <vector>

// The main window's walk, in creation order: ListBox2, ListBox3, CheckBox4, CheckBox1,
// CheckBox3, CheckBox5, CheckBox6, MaskEdit1, CheckBox2, CheckBox7 .. CheckBox12.
inline const std::vector<corvanta::FieldKind> kMainWindowKinds = {
    corvanta::FieldKind::List,  corvanta::FieldKind::List,  corvanta::FieldKind::Check,
    corvanta::FieldKind::Check, corvanta::FieldKind::Check, corvanta::FieldKind::Check,
    corvanta::FieldKind::Check, corvanta::FieldKind::Text,  corvanta::FieldKind::Check,
    corvanta::FieldKind::Check, corvanta::FieldKind::Check, corvanta::FieldKind::Check,
    corvanta::FieldKind::Check, corvanta::FieldKind::Check, corvanta::FieldKind::Check,
};

using Items = std::vector<std::string>;

inline corvanta::SettingsImage mainWindowImage(std::int32_t timeLimit, Items prohibited,
                                               Items allowed, std::vector<bool> checksBefore,
                                               std::string password,
                                               std::vector<bool> checksAfter) {
    corvanta::SettingsImage image{timeLimit, {std::move(prohibited), std::move(allowed)}};
    for (bool c : checksBefore)
        image.fields.emplace_back(c);
    image.fields.emplace_back(std::move(password));
    for (bool c : checksAfter)
        image.fields.emplace_back(c);
    return image;
}

inline corvanta::SettingsImage designedDefaults() {
    return mainWindowImage(0, {}, {}, {true, true, true, true, false}, "",
                           {false, false, true, true, true, false, false});
}
