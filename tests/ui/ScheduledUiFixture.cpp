#include "ScheduledUiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <algorithm>

#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "store/InMemoryStore.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/scheduled/ScheduledListModel.h"

AlertAnswer AnsweringAlerts::run(const AlertContent& content, QWidget*) {
    shown.push_back(content);
    if (answers.empty()) {
        return {};
    }
    const AlertAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList AnsweringAlerts::texts() const {
    QStringList out;
    for (const AlertContent& alert : shown) {
        out << alert.message + " | " + alert.informativeText;
    }
    return out;
}

bool TestHost::save() {
    ++saves;
    return !m_context.save().has_value();
}

void ScheduledUiFixture::SetUp() {
    ensureUiTestApplication();
    Clock::setFixedToday(ymd(2026, 3, 15));
    UserLocale::set("en_US");
    ASSERT_TRUE(m_folder.isValid());
    m_defaults = std::make_unique<UserDefaults>(m_folder.filePath("settings.ini"));
    m_defaults->registerDefaults(DefaultsKeys::registeredDefaults());
    Alerts::setShared(&m_alerts);
    UrlOpener::setShared(&m_urls);
    auto store = std::make_unique<InMemoryStore>();
    m_memory = store.get();
    m_context.setPersistentStore(std::move(store));
    Global::sharedInstanceInContext(m_context);
    auto* root = m_context.insert<Node>();
    m_checking = m_context.insert<Account>();
    m_checking->setName("Checking");
    m_checking->moveTo(root, 0);
    m_reserve = m_context.insert<Account>();
    m_reserve->setName("Reserve");
    m_reserve->moveTo(root, 1);
    m_utilities = m_context.insert<Category>();
    m_utilities->setName("Utilities");
    ASSERT_FALSE(m_context.save());
    m_window = std::make_unique<QWidget>();
    m_window->resize(700, 500);
    m_host = std::make_unique<TestHost>(m_context, *m_window, m_alerts, *m_defaults);
    m_host->root = root;
}

void ScheduledUiFixture::TearDown() {
    // Sheets first: they belong to the window.
    m_list.reset();
    m_host.reset();
    m_window.reset();
    QApplication::processEvents();
    UrlOpener::setShared(nullptr);
    Alerts::setShared(nullptr);
    UserLocale::reset();
    Clock::reset();
}

ScheduledItem* ScheduledUiFixture::addItem(const char* title, Date due, const char* amount,
                                           const char* repeatType) {
    auto* item = m_context.insert<ScheduledItem>();
    item->setTitle(title);
    item->setAmount(Decimal::fromString(amount));
    if (repeatType != nullptr) {
        item->setRepeatType(std::string(repeatType));
        item->setRepeatInterval(1);
    }
    item->setNextDueDate(due);
    item->setAccount(m_checking);
    item->setCategory(m_utilities);
    return item;
}

ScheduledController& ScheduledUiFixture::list() {
    if (!m_list) {
        m_list = std::make_unique<ScheduledController>(*m_host);
        m_list->showItem(SourceListItem::fixed(SourceListItem::Kind::Scheduled));
    }
    return *m_list;
}

QStringList ScheduledUiFixture::listedTitles() {
    QStringList titles;
    const ScheduledListModel& model = list().model();
    for (int row = 0; row < model.rowCount(); ++row) {
        titles << model.index(row, ScheduledListModel::TitleColumn).data().toString();
    }
    return titles;
}

QStringList ScheduledUiFixture::transactionsOf(const Account& account) {
    QStringList out;
    for (const Transaction* t : account.transactions().toVector()) {
        out << QString::fromStdString(t->date().toISOString() + " " + t->amount().toString(2) +
                                      " " + (t->isGenerated() ? "generated" : "real"));
    }
    std::sort(out.begin(), out.end());
    return out;
}

void ScheduledUiFixture::choose(QComboBox* popUp, int tag) {
    const int index = popUp->findData(tag);
    ASSERT_GE(index, 0) << "no item with tag " << tag;
    popUp->setCurrentIndex(index);
    emit popUp->activated(index);
}
