#include "platform/QtSound.h"

#include "TestEnvironment.h"

#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using corvanta::QtSound;
namespace fs = std::filesystem;

namespace {

// No test machine has a person listening; these check that the right file is handed to the
// player and that nothing blocks or breaks without an audio device.
class Sound : public ::testing::Test {
protected:
    std::string folder = corvanta::test::makeTempFolder("sounds");
    QtSound sound{QString::fromStdString(folder)};

    void SetUp() override {
        for (const char* name : {"start.wav", "alarm.wav"})
            fs::copy_file(corvanta::test::binaryFolder() + "/" + name, folder + "/" + name);
    }
    QUrl fileUrl(const char* name) const {
        return QUrl::fromLocalFile(QString::fromStdString(folder + "/" + name));
    }
};

TEST_F(Sound, BareNamesComeFromTheProgramFolder) {
    sound.play("start.wav");
    EXPECT_EQ(sound.source(), fileUrl("start.wav"));
    sound.play("alarm.wav");
    EXPECT_EQ(sound.source(), fileUrl("alarm.wav"));
    sound.play("alarm.wav"); // again while it may still play
    EXPECT_EQ(sound.source(), fileUrl("alarm.wav"));
    QCoreApplication::processEvents();
}

TEST_F(Sound, MissingFilePlaysNothing) {
    sound.play("missing.wav");
    EXPECT_TRUE(sound.source().isEmpty());
    sound.play("start.wav");
    sound.play("missing.wav");
    EXPECT_EQ(sound.source(), fileUrl("start.wav")) << "the last sound is left alone";
    QCoreApplication::processEvents();
}

TEST_F(Sound, BrokenFileDoesNotStopTheProgram) {
    std::ofstream(folder + "/broken.wav") << "not a sound";
    sound.play("broken.wav");
    EXPECT_TRUE(sound.source().isEmpty()) << "not handed to the player";
    for (int pass = 0; pass < 10; ++pass)
        QCoreApplication::processEvents();
    sound.play("start.wav"); // the player is still usable
    EXPECT_EQ(sound.source(), fileUrl("start.wav"));
}

} // namespace
