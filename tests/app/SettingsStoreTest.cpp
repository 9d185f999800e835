#include "MainWindowFixture.h"

#include "app/VclTimer.h"
#include "settings/SettingsBlob.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

using namespace corvanta;
using namespace corvanta::test;

namespace {

std::vector<QCheckBox*> optionBoxes(TForm1& f) {
    return {f.CheckBox4, f.CheckBox1, f.CheckBox3, f.CheckBox5,  f.CheckBox6,  f.CheckBox2,
            f.CheckBox7, f.CheckBox8, f.CheckBox9, f.CheckBox10, f.CheckBox11, f.CheckBox12};
}

std::vector<std::uint8_t> storedBlob(MemoryRegistry& registry) {
    return registry.readBinary(registry_keys::kSettings, "Corvanta").value();
}

} // namespace

using SettingsStore = MainWindowFixture;

TEST_F(SettingsStore, DefaultSettingsAreFortyFourBytes) {
    makeForm().SaveCFG();
    std::vector<std::uint8_t> blob = storedBlob(registry);
    EXPECT_EQ(blob.size(), 44u);
    decryptSettingsBlob(blob);
    EXPECT_EQ(std::string(blob.begin() + 4, blob.begin() + 16), "Build #39-13");
}

TEST_F(SettingsStore, EveryControlSurvivesARestartExactly) {
    storeSettings([](TForm1& f) {
        f.CSpinEdit1->setValue(-7);
        f.ListBox2->addItems({"0900*", "", "8?0*"});
        f.ListBox3->addItems({"09001*"});
        f.MaskEdit1->setText(QString::fromLatin1("p\xe4ss\xff"));
        for (QCheckBox* box : optionBoxes(f))
            box->setChecked(!box->isChecked());
    });
    const std::vector<std::uint8_t> first = storedBlob(registry);
    TForm1& f = makeForm();
    f.LoadCFG();
    EXPECT_TRUE(f.SettingsLoaded);
    EXPECT_EQ(f.CSpinEdit1->value(), -7);
    ASSERT_EQ(f.ListBox2->count(), 3);
    EXPECT_EQ(f.ListBox2->item(1)->text(), "");
    EXPECT_EQ(f.ListBox3->item(0)->text(), "09001*");
    EXPECT_EQ(f.MaskEdit1->text(), QString::fromLatin1("p\xe4ss\xff"));
    TForm1 defaults(services);
    const auto restored = optionBoxes(f);
    const auto designed = optionBoxes(defaults);
    for (std::size_t i = 0; i < restored.size(); ++i)
        EXPECT_NE(restored[i]->isChecked(), designed[i]->isChecked()) << i;
    f.SaveCFG();
    EXPECT_EQ(storedBlob(registry), first);
}

TEST_F(SettingsStore, LoadingRunsTheReactionsOfChangedBoxesOnly) {
    storeSettings([](TForm1& f) {
        f.CheckBox1->setChecked(false); // Log off: Detailed greyed
        f.CheckBox5->setChecked(false); // no autostart
    });
    TForm1& f = makeForm();
    registry.writeString(registry_keys::kRun, "Corvanta", "before-load");
    f.CheckBox6->setChecked(true); // differs from the stored state: its reaction must run
    f.MaskEdit1->setEnabled(true);
    f.LoadCFG();
    EXPECT_FALSE(f.CheckBox4->isEnabled());
    EXPECT_FALSE(registry.readString(registry_keys::kRun, "Corvanta"));
    EXPECT_FALSE(f.MaskEdit1->isEnabled());
    // Log stays off and is stored so: loading again changes nothing, so nothing reacts.
    f.CheckBox4->setEnabled(true);
    f.LoadCFG();
    EXPECT_TRUE(f.CheckBox4->isEnabled());
}

TEST_F(SettingsStore, UnreadableValuesChangeNothingAndSaySo) {
    struct Case {
        const char* name;
        std::function<void(MemoryRegistry&)> store;
        QString message;
        bool valueKept;
    };
    auto blobOf = [](std::vector<std::uint8_t> plain) {
        encryptSettingsBlob(plain);
        return plain;
    };
    std::vector<std::uint8_t> otherVersion = {12, 0, 0, 0};
    for (char c : std::string("Build #39-14"))
        otherVersion.push_back(static_cast<std::uint8_t>(c));
    otherVersion.resize(44);
    std::vector<std::uint8_t> truncated = {12, 0, 0, 0};
    for (char c : std::string("Build #39-13"))
        truncated.push_back(static_cast<std::uint8_t>(c));
    truncated.insert(truncated.end(), {0, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f});
    const Case cases[] = {
        {"wrong version",
         [&](MemoryRegistry& r) {
             r.writeBinary(registry_keys::kSettings, "Corvanta", blobOf(otherVersion));
         },
         "Wrong version of configuration!\n\rConfiguration was cleared!", false},
        {"huge list count",
         [&](MemoryRegistry& r) {
             r.writeBinary(registry_keys::kSettings, "Corvanta", blobOf(truncated));
         },
         "", true},
        {"string value",
         [](MemoryRegistry& r) { r.writeString(registry_keys::kSettings, "Corvanta", "text"); }, "",
         true},
    };
    for (const Case& c : cases) {
        form.reset(); // its shutdown saves settings
        MemoryRegistry fresh;
        registry = fresh;
        c.store(registry);
        dialogs.messages.clear();
        TForm1& f = makeForm();
        f.ListBox2->addItem("kept");
        f.LoadCFG();
        EXPECT_FALSE(f.SettingsLoaded) << c.name;
        EXPECT_EQ(f.ListBox2->count(), 1) << c.name;
        EXPECT_EQ(f.Timer1->interval(), 500) << c.name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
        if (!c.message.isEmpty())
            EXPECT_EQ(dialogs.messages[0].text, c.message);
        else
            EXPECT_TRUE(dialogs.messages[0].text.startsWith("Configuration not loaded!")) << c.name;
        EXPECT_EQ(registry.valueSize(registry_keys::kSettings, "Corvanta").has_value(), c.valueKept)
            << c.name;
    }
}
