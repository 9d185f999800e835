#include "app/TForm1.h"

#include "app/TForm11.h"
#include "app/VclTimer.h"
#include "platform/TextCodec.h"
#include "settings/SettingsBlob.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

namespace corvanta {
namespace {

const std::string kSettingsValue = "Corvanta";

template <typename T> T* exactly(QWidget* control) {
    return control->metaObject() == &T::staticMetaObject ? static_cast<T*>(control) : nullptr;
}

std::vector<std::string> itemsOf(const QListWidget* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(fromQt(list->item(i)->text()));
    return items;
}

} // namespace

// The controls that hold settings, in creation order: check boxes, plain and masked edits
// and list boxes of exactly those kinds (the time-limit spin box is stored on its own).
std::vector<QWidget*> TForm1::settingsWalk() const {
    std::vector<QWidget*> walk;
    for (QWidget* control : createdControls_)
        if (exactly<QCheckBox>(control) || exactly<QLineEdit>(control) ||
            exactly<QListWidget>(control))
            walk.push_back(control);
    return walk;
}

void TForm1::SaveCFG() {
    SettingsImage image;
    image.timeLimit = CSpinEdit1->value();
    for (QWidget* control : settingsWalk()) {
        if (auto* box = exactly<QCheckBox>(control))
            image.fields.emplace_back(box->isChecked());
        else if (auto* edit = exactly<QLineEdit>(control))
            image.fields.emplace_back(fromQt(edit->text()));
        else
            image.fields.emplace_back(itemsOf(static_cast<QListWidget*>(control)));
    }
    std::vector<std::uint8_t> blob = encodeSettings(image);
    encryptSettingsBlob(blob);

    IRegistry& registry = services_.registry;
    if (!registry.openKey(registry_keys::kSettings) ||
        !registry.writeBinary(registry_keys::kSettings, kSettingsValue, blob))
        services_.dialogs.message(this,
                                  toQt("The settings could not be saved: " + registry.lastError()),
                                  MessageKind::Error, MessageButtons::Ok);
}

// Polls start while the message is up, and the splash gives way to it.
void TForm1::settingsNotLoaded(const QString& message) {
    Timer1->setInterval(500);
    if (SplashWindow)
        SplashWindow->hide();
    services_.dialogs.message(this, message, MessageKind::Warning, MessageButtons::Ok);
}

void TForm1::LoadCFG() {
    SettingsLoaded = false;
    IRegistry& registry = services_.registry;
    registry.openKey(registry_keys::kSettings);
    if (!registry.valueSize(registry_keys::kSettings, kSettingsValue)) {
        settingsNotLoaded("Configuration not loaded!");
        return;
    }
    std::optional<std::vector<std::uint8_t>> blob =
        registry.readBinary(registry_keys::kSettings, kSettingsValue);
    if (!blob) {
        settingsNotLoaded("Configuration not loaded!\n\rThe stored settings are not of the "
                          "expected type; default settings are used.");
        return;
    }
    decryptSettingsBlob(*blob);

    const std::vector<QWidget*> walk = settingsWalk();
    std::vector<FieldKind> kinds;
    for (QWidget* control : walk)
        kinds.push_back(exactly<QCheckBox>(control)   ? FieldKind::Check
                        : exactly<QLineEdit>(control) ? FieldKind::Text
                                                      : FieldKind::List);
    const DecodeResult result = decodeSettings(*blob, kinds);

    if (std::holds_alternative<SettingsWrongVersion>(result)) {
        settingsNotLoaded("Wrong version of configuration!\n\rConfiguration was cleared!");
        registry.openKey(registry_keys::kSettings);
        registry.deleteValue(registry_keys::kSettings, kSettingsValue);
        return;
    }
    if (const auto* damaged = std::get_if<SettingsDamaged>(&result)) {
        settingsNotLoaded(toQt("Configuration not loaded!\n\rThe stored settings are damaged (" +
                               damaged->reason + "); default settings are used."));
        return;
    }

    // Setting the controls through their setters runs the reaction of every box that changes.
    const SettingsImage& image = std::get<SettingsImage>(result);
    CSpinEdit1->setValue(image.timeLimit);
    for (std::size_t i = 0; i < walk.size(); ++i) {
        if (auto* box = exactly<QCheckBox>(walk[i])) {
            box->setChecked(std::get<bool>(image.fields[i]));
        } else if (auto* edit = exactly<QLineEdit>(walk[i])) {
            edit->setText(toQt(std::get<std::string>(image.fields[i])));
        } else {
            auto* list = static_cast<QListWidget*>(walk[i]);
            list->clear();
            for (const std::string& item : std::get<std::vector<std::string>>(image.fields[i]))
                list->addItem(toQt(item));
        }
    }
    SettingsLoaded = true;
}

} // namespace corvanta
