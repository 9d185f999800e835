// The built program and corvanta-dialsim, run as a user would run them, in a temporary home.
#include "MainWindowFixture.h"

#include "platform/SqliteRegistry.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QThread>
#include <filesystem>
#include <fstream>

using namespace corvanta;
using namespace corvanta::test;

namespace {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

template <typename Done> bool waitFor(Done done, int milliseconds = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QThread::msleep(50);
    }
    return true;
}

std::string dialsim(const QStringList& arguments) {
    QProcess tool;
    tool.start(QString::fromStdString(binaryFolder() + "/corvanta-dialsim"), arguments);
    tool.waitForFinished(20000);
    return tool.readAllStandardOutput().toStdString();
}

struct EndToEnd : MainWindowFixture {
    std::string programFolder = makeTempFolder("installed");
    std::string program = programFolder + "/corvanta";
    std::string logPath = programFolder + "/Corvanta.log";

    void SetUp() override {
        fs::copy_file(binaryFolder() + "/corvanta", program);
        dialsim({"reset"});
    }

    // Settings stored by the program's own settings code, in the per-user registry.
    void storeSettings() {
        SqliteRegistry stored;
        AppServices withStore = wiredTo(dialup, stored, clock);
        withStore.executablePath = program;
        TForm1 f(withStore);
        f.ListBox2->addItem("0900*");
        f.ListBox3->addItem("09001*");
        for (QCheckBox* off : {f.CheckBox3, f.CheckBox8, f.CheckBox9, f.CheckBox10, f.CheckBox5})
            off->setChecked(false);
        f.SaveCFG();
    }

    void start(QProcess& process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("CORVANTA_UNATTENDED", "1");
        process.setProcessEnvironment(env);
        process.start(QString::fromStdString(program), {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }
};

} // namespace

TEST_F(EndToEnd, GuardsRealCallsAndSavesOnTermination) {
    storeSettings();
    QProcess guard;
    start(guard);
    ASSERT_TRUE(waitFor([&] {
        return readFile(logPath).find("Disconnected.") != std::string::npos;
    })) << guard.readAllStandardError().toStdString();

    // Prohibited: hung up by the program while still dialing.
    dialsim({"dial", "--number", "0900555", "--connect-after", "8"});
    ASSERT_TRUE(
        waitFor([] { return dialsim({"list"}).find("0900555") == std::string::npos; }, 8000));
    EXPECT_NE(dialsim({"history"}).find("program"), std::string::npos);
    ASSERT_TRUE(waitFor([&] {
        const std::string log = readFile(logPath);
        const auto call = log.find("         0900555: ");
        return call != std::string::npos && log.find("Disconnected.", call) != std::string::npos;
    }));
    EXPECT_EQ(readFile(logPath).find("Successful connection."), std::string::npos);

    // Allowed by the allowed list, and matching nothing: left alone.
    dialsim({"dial", "--number", "09001234", "--connect-after", "2"});
    // Its states run out of step with the first one, so both leave records.
    dialsim({"dial", "--number", "0123", "--connect-after", "5"});
    auto connected = [](const std::string& listing) {
        std::size_t count = 0;
        for (auto at = listing.find("8192"); at != std::string::npos;
             at = listing.find("8192", at + 1))
            ++count;
        return count;
    };
    ASSERT_TRUE(waitFor([&] { return connected(dialsim({"list"})) == 2; }));
    ASSERT_TRUE(waitFor([&] {
        const std::string log = readFile(logPath);
        return log.find("Successful connection.") != std::string::npos &&
               log.find("        09001234: ") != std::string::npos &&
               log.find("            0123: ") != std::string::npos;
    }));
    const std::string history = dialsim({"history"});
    EXPECT_EQ(history.find("09001234"), std::string::npos);
    EXPECT_EQ(history.find("0123"), std::string::npos);

    // SIGTERM ends through the normal shutdown, which saves the settings.
    SqliteRegistry stored;
    stored.deleteValue(registry_keys::kSettings, "Corvanta");
    guard.terminate();
    ASSERT_TRUE(guard.waitForFinished(20000));
    EXPECT_EQ(guard.exitCode(), 0);
    EXPECT_TRUE(stored.valueSize(registry_keys::kSettings, "Corvanta"));
}

TEST_F(EndToEnd, SecondCopyEndsWithCodeThreeAndTheFirstRunsOn) {
    storeSettings();
    QProcess first;
    start(first);
    ASSERT_TRUE(waitFor([&] { return fs::exists(logPath); }));
    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 3);
    EXPECT_NE(second.readAllStandardError().indexOf("Abnormal program termination"), -1);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(20000);
}

TEST_F(EndToEnd, AlteredProgramIsRefused) {
    std::string bytes = readFile(program);
    bytes[bytes.size() / 2] ^= 0x01;
    std::ofstream(program, std::ios::binary | std::ios::trunc) << bytes;
    QProcess altered;
    start(altered);
    ASSERT_TRUE(altered.waitForFinished(20000));
    EXPECT_EQ(altered.exitCode(), 2);
    EXPECT_FALSE(fs::exists(logPath));
}
