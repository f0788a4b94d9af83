#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/NotificationCenter.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Node.h"
#include "ledger/TransferSetting.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

class TransferSettings : public testing::Test {
protected:
    void SetUp() override {
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        checking = account("Checking");
        reserve = account("Reserve");
        travel = account("Travel");
    }
    Account* account(const std::string& name) {
        Account* a = ctx.insert<Account>();
        a->setName(name);
        a->moveTo(root, static_cast<std::int64_t>(root->children().size()));
        return a;
    }
    TransferSetting* setting(Account* from, Account* to) {
        TransferSetting* s = ctx.insert<TransferSetting>();
        from->addTransferSettingsObject(s);
        s->setToAccount(to);
        return s;
    }
    // The codes of the failed rules in the save's error, in order.
    std::string saveFailure() {
        std::optional<ValidationError> error = ctx.save();
        if (!error) {
            return "saved";
        }
        std::string codes;
        const auto& details = error->isMultipleValidationErrors()
                                  ? error->detailedErrors
                                  : std::vector<ValidationError>{*error};
        for (const ValidationError& e : details) {
            codes += (codes.empty() ? "" : " | ") + e.domain + " " + std::to_string(e.code) + " " +
                     e.localizedDescription;
        }
        return codes;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
    Account* checking = nullptr;
    Account* reserve = nullptr;
    Account* travel = nullptr;
};

TEST_F(TransferSettings, OneSettingPerDestinationIsEnforcedAtSave) {
    setting(checking, reserve);
    setting(checking, travel);
    setting(reserve, checking);
    ASSERT_EQ(saveFailure(), "saved");

    // The new setting meets itself and the old one (JIOFE); nothing is written.
    setting(checking, reserve);
    const std::string twice =
        "org.pennora.Pennora.ValidationError 1 An internal error has occurred. (Code: JIOFE)";
    EXPECT_EQ(saveFailure(), twice);
    EXPECT_TRUE(ctx.hasChanges());
}

TEST_F(TransferSettings, DeletingAnAccountRemovesItsSettingsBothWays) {
    TransferSetting* out = setting(checking, reserve);
    TransferSetting* in = setting(reserve, checking);
    TransferSetting* kept = setting(reserve, travel);
    checking->setLastTransferSetting(out);
    reserve->setLastTransferSetting(in);
    ASSERT_EQ(saveFailure(), "saved");

    ctx.deleteObject(*checking);
    EXPECT_TRUE(out->isDeleted());
    EXPECT_TRUE(in->isDeleted());
    EXPECT_FALSE(kept->isDeleted());
    EXPECT_EQ(reserve->lastTransferSetting(), nullptr);
    EXPECT_EQ(reserve->transferSettings().size(), 1u);
    EXPECT_EQ(travel->toTransferSettings().size(), 1u);
    EXPECT_EQ(saveFailure(), "saved");
}

TEST_F(TransferSettings, DeletingACategoryKeepsTheSettingWithoutIt) {
    Category* rent = ctx.insert<Category>();
    rent->setName("Rent");
    TransferSetting* s = setting(checking, reserve);
    s->setCategory(rent);
    ctx.deleteObject(*rent);
    EXPECT_FALSE(s->isDeleted());
    EXPECT_EQ(s->category(), nullptr);
}

TEST_F(TransferSettings, TransferCategoryIsCreatedOnFirstNeedOnly) {
    int posted = 0;
    NotificationObserver observer = NotificationCenter::defaultCenter().observe(
        kPNCategoriesChanged, [&](const std::string&) { ++posted; });
    Category* first = TransferSetting::defaultCategoryInContext(ctx);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name(), "Transfer");
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(TransferSetting::defaultCategoryInContext(ctx), first);
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(Category::countInContext(ctx), 1u);

    // One the user named in other case is found, not doubled.
    ObjectContext other{ApplicationModel::shared()};
    Category* own = other.insert<Category>();
    own->setName("TRANSFER");
    EXPECT_EQ(TransferSetting::defaultCategoryInContext(other), own);
    EXPECT_EQ(posted, 1);
}

}  // namespace
