#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "base/ResourcesFolder.h"

namespace {

namespace fs = std::filesystem;

// An installed program (<prefix>/bin/pennora) reads what was installed beside it in
// <prefix>/share/pennora; a program with no such folder beside it (one run from the build
// tree) falls back to the folder it was built with.
TEST(ResourcesFolder, AnInstalledProgramUsesTheShareFolderBesideItsBinFolder) {
    const fs::path prefix = fs::path(testing::TempDir()) / ("prefix-" + std::to_string(::getpid()));
    fs::remove_all(prefix);
    fs::create_directories(prefix / "bin");
    const std::string build = "/somewhere/pennora/resources";

    EXPECT_EQ(ResourcesFolder::find(prefix / "bin", build), build);
    fs::create_directories(prefix / "share/pennora");
    EXPECT_EQ(ResourcesFolder::find(prefix / "bin", build), (prefix / "share/pennora").string());
    EXPECT_EQ(ResourcesFolder::find(prefix / "bin/", build), (prefix / "share/pennora").string());
    EXPECT_EQ(ResourcesFolder::find(fs::path(), build), build);
    fs::remove_all(prefix);

    // The tests run from the build tree, where the shipped files are found all the same.
    EXPECT_TRUE(fs::exists(fs::path(ResourcesFolder::path()) / "DefaultCurrencies.plist"));
}

}  // namespace
