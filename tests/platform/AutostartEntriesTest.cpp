#include "platform/AutostartEntries.h"

#include "TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace corvanta;

namespace {

std::string execLine(const std::string& entry) {
    const auto start = entry.find("\nExec=") + 6;
    return entry.substr(start, entry.find('\n', start) - start);
}

} // namespace

TEST(AutostartDesktopEntry, IsAnXdgApplicationEntry) {
    EXPECT_EQ(autostartDesktopEntry("Corvanta", "/usr/bin/corvanta"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Corvanta\n"
              "Comment=Starts Corvanta at log-in\n"
              "Exec=/usr/bin/corvanta\n"
              "X-GNOME-Autostart-enabled=true\n");
}

// Every path must come back as one argument: quoting first, then the string escapes.
TEST(AutostartDesktopEntry, ExecQuotesAndEscapesThePath) {
    struct Case {
        std::string path, exec;
    };
    const Case cases[] = {
        {"/opt/corvanta-1.7/bin/corvanta", "/opt/corvanta-1.7/bin/corvanta"},
        {"/opt/my apps/corvanta", "\"/opt/my apps/corvanta\""},
        {"/opt/a\"b", "\"/opt/a\\\\\"b\""},
        {"/opt/$HOME/`x`", "\"/opt/\\\\$HOME/\\\\`x\\\\`\""},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
        {"/opt/100%/x", "/opt/100%%/x"},
        {"/opt/it's;(x)", "\"/opt/it's;(x)\""},
        {"/tmp/a\nb", "\"/tmp/a\\nb\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(execLine(autostartDesktopEntry("Corvanta", c.path)), c.exec);
    }
}

TEST(AutostartDesktopEntry, NameCannotAddLines) {
    const std::string entry = autostartDesktopEntry("A\nExec=/bin/evil", "/usr/bin/x");
    EXPECT_NE(entry.find("Name=A\\nExec=/bin/evil\n"), std::string::npos);
    EXPECT_EQ(execLine(entry), "/usr/bin/x");
}

TEST(AutostartEntries, WriteReplacesAndRemoveDeletes) {
    const std::string folder = test::makeTempFolder("autostart") + "/new/autostart";
    const AutostartEntries entries(folder);
    std::string error;
    ASSERT_TRUE(entries.write("Corvanta", "/usr/bin/one", error)) << error;
    ASSERT_TRUE(entries.write("Corvanta", "/usr/bin/two", error)) << error;
    std::ifstream in(entries.filePath("Corvanta"));
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), autostartDesktopEntry("Corvanta", "/usr/bin/two"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no temporary file is left behind";

    EXPECT_TRUE(entries.remove("Corvanta", error));
    EXPECT_FALSE(std::filesystem::exists(entries.filePath("Corvanta")));
    EXPECT_TRUE(entries.remove("Corvanta", error)) << "a missing entry is no error";
}

TEST(AutostartEntries, RefusesNamesThatLeaveTheFolder) {
    const AutostartEntries entries(test::makeTempFolder("autostart"));
    for (const std::string& name :
         std::vector<std::string>{"", "a/b", "../x", std::string("a\0b", 3)}) {
        std::string error;
        EXPECT_FALSE(entries.write(name, "/usr/bin/x", error));
        EXPECT_NE(error, "");
    }
}
