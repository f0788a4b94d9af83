// Where pennora-cli finds its store on a first start, and which kind of file it opens.
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <optional>

#include "CliFixture.h"
#include "session/FileStores.h"

namespace {

namespace fs = std::filesystem;

unsigned modeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

using CliStoreFileTest = CliFixture;

// A new account has no ~/.local/share yet, or XDG_DATA_HOME names a folder still to be made.
TEST_F(CliStoreFileTest, AFirstStartMakesTheWholeDataFolderPath) {
    const struct {
        std::optional<std::string> dataHome;
        std::string home;
        fs::path storeFolder;
    } cases[] = {
        {(folder / "data/not/yet").string(), (folder / "home1").string(),
         folder / "data/not/yet/Pennora"},
        {std::nullopt, (folder / "home2").string(), folder / "home2/.local/share/Pennora"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.storeFolder);
        const ProcessResult result = runProcess(PENNORA_CLI_PATH, {"accounts"},
                                                {{"XDG_DATA_HOME", c.dataHome}, {"HOME", c.home}});
        EXPECT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_TRUE(fs::exists(c.storeFolder / "Database.pennorasql"));
        EXPECT_EQ(modeOf(c.storeFolder), 0700u);
        EXPECT_NE(modeOf(c.storeFolder.parent_path()), 0700u);
    }
}

std::string firstBytes(const std::string& path, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// A store path ending in ".xml" is an XML store, as the sample is: a copy of the shipped
// sample opens, takes a transaction and opens again; a new one is written as XML.
TEST_F(CliStoreFileTest, AnXMLPathIsAnXMLStore) {
    store = (folder / "Sample Copy.xml").string();
    fs::copy_file(FileStores::sampleResourcePath(), store);
    const nlohmann::json accounts = json({"accounts"}).at("accounts");
    std::vector<std::string> names;
    for (const nlohmann::json& account : accounts) {
        names.push_back(account.at("name"));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Checking", "Savings", "Visa Card", "Wallet",
                                               "Euro Account"}));
    json({"add-transaction", "Checking", "--date", "2024-03-10", "--title", "Late Coffee",
          "--amount", "-3.50"});
    EXPECT_EQ(firstBytes(store, 5), "<?xml");
    const nlohmann::json rows = json({"register", "Checking"}).at("transactions");
    int coffees = 0;
    for (const nlohmann::json& row : rows) {
        coffees += row.at("title") == "Late Coffee" ? 1 : 0;
    }
    EXPECT_EQ(coffees, 1);

    store = (folder / "New.XML").string();
    json({"add-account", "Cash", "--type", "cash"});
    EXPECT_EQ(firstBytes(store, 5), "<?xml");
    EXPECT_EQ(json({"accounts"}).at("accounts").size(), 1u);
    EXPECT_EQ(modeOf(store), 0600u);
}

}  // namespace
