#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>

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

TEST(DataFolderTest, CreatesOnlyTheLastFolderPrivately) {
    SessionTestFolder base;
    std::string folder = base.file("Pennora");
    DataFolder::ensureExists(folder);
    DataFolder::ensureExists(folder);  // existing: nothing to do
    struct stat info;
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    std::string deep = base.file("missing/Pennora");
    try {
        DataFolder::ensureExists(deep);
        ADD_FAILURE() << "parent folder was created";
    } catch (const AssertionFailure& failure) {
        EXPECT_EQ(failure.message(),
                  "Failed to create App Support folder " + deep + " : No such file or directory");
    }
    EXPECT_FALSE(std::filesystem::exists(base.file("missing")));
}

}  // namespace
