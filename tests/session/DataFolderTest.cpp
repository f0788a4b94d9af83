#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "SessionTestFolder.h"
#include "base/AssertionFailure.h"
#include "session/DataFolder.h"

namespace {

void setOrUnset(const char* name, const char* value) {
    if (value) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

TEST(DataFolderTest, DefaultPathFollowsTheEnvironment) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* tmp;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/", "/home/u", nullptr, "/data/Pennora"},
        {"relative", "/home/u", nullptr, "/home/u/.local/share/Pennora"},
        {nullptr, "/home/u", nullptr, "/home/u/.local/share/Pennora"},
        {nullptr, nullptr, "/scratch", "/scratch/Pennora"},
        {"", "", nullptr, "/tmp/Pennora"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        setOrUnset("XDG_DATA_HOME", c.xdg);
        setOrUnset("HOME", c.home);
        setOrUnset("TMPDIR", c.tmp);
        EXPECT_EQ(DataFolder::defaultPath(), c.expected);
    }
}

mode_t modeOf(const std::string& path) {
    struct stat info;
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

// A new account may have no ~/.local/share yet, or XDG_DATA_HOME may name a folder still to
// be made: the whole path is created, and only the program's own folder is private.
TEST(DataFolderTest, CreatesTheWholePathAndOnlyItsOwnFolderPrivately) {
    SessionTestFolder base;
    const mode_t mask = ::umask(022);
    const std::string deep = base.file("home/.local/share/Pennora");
    DataFolder::ensureExists(deep);
    DataFolder::ensureExists(deep);  // existing: nothing to do
    ::umask(mask);
    EXPECT_EQ(modeOf(deep), 0700u);
    EXPECT_EQ(modeOf(base.file("home/.local/share")), 0755u);
    EXPECT_EQ(modeOf(base.file("home")), 0755u);
}

TEST(DataFolderTest, APathThatCannotBeAFolderIsAnAssertionFailure) {
    SessionTestFolder base;
    const std::string file = base.file("share");
    std::ofstream(file) << "not a folder";
    for (const std::string& path : {file, file + "/Pennora", file + "/deeper/Pennora"}) {
        SCOPED_TRACE(path);
        try {
            DataFolder::ensureExists(path);
            ADD_FAILURE() << "no failure";
        } catch (const AssertionFailure& failure) {
            EXPECT_EQ(
                failure.message().rfind("Failed to create App Support folder " + path + " : ", 0),
                0u)
                << failure.message();
        }
    }
}

}  // namespace
