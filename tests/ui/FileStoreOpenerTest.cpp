#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "UiTestApplication.h"
#include "ledger/Global.h"
#include "store/ObjectContext.h"
#include "ui/shell/FileStoreOpener.h"

namespace {

TEST(FileStoreOpener, CreatesAPrivateFolderAndKeepsWhatWasSaved) {
    ensureUiTestApplication();
    QTemporaryDir parent;
    const QString folder = parent.filePath("Pennora");
    FileStoreOpener opener(folder, {});
    std::optional<ValidationError> error;
    {
        auto context = opener.open(StoreOpener::Mode::Normal, error);
        ASSERT_FALSE(error);
        Global::sharedInstanceInContext(*context)->setHomeCurrency("EUR");
        ASSERT_FALSE(context->save());
    }
    // Readable by the user only.
    EXPECT_EQ(QFile::permissions(folder) & 0x0777,
              QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    auto again = opener.open(StoreOpener::Mode::Normal, error);
    ASSERT_FALSE(error);
    EXPECT_EQ(Global::sharedInstanceInContext(*again)->homeCurrency(), "EUR");
}

TEST(FileStoreOpener, AFileThatIsNoStoreIsReportedAndLeftAlone) {
    ensureUiTestApplication();
    QTemporaryDir folder;
    QFile file(folder.filePath("Database.pennorasql"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a database, but the user's data all the same");
    file.close();
    FileStoreOpener opener(folder.path(), {});
    std::optional<ValidationError> error;
    auto context = opener.open(StoreOpener::Mode::Normal, error);
    ASSERT_TRUE(error);
    Global::sharedInstanceInContext(*context);
    EXPECT_TRUE(context->save().has_value());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a database, but the user's data all the same");
}

}  // namespace
