#include "ImportSession.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "OFXReader.h"
#include "QIFReader.h"
#include "StatementText.h"
#include "base/AssertionFailure.h"
#include "base/ParseError.h"
#include "ledger/Account.h"
#include "store/ObjectContext.h"
#include "store/Savepoint.h"

namespace {

constexpr const char* kDateOrders[] = {"MDY", "DMY", "YMD"};

std::string lowercaseExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty() && extension.front() == '.') {
        extension.erase(0, 1);
    }
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

int tagOfDateOrder(const std::optional<std::string>& order, int whenNone) {
    for (int tag = 0; tag < 3; ++tag) {
        if (order == kDateOrders[tag]) {
            return tag;
        }
    }
    return whenNone;
}

ImportArray* accountsOf(ImportDictionary& document) {
    ImportValue* accounts = document.find("accounts");
    return accounts != nullptr && accounts->isArray() ? &accounts->array() : nullptr;
}

}  // namespace

ImportSession::ImportSession(Account& account)
    : m_account(account), m_startDateText(startDateText(account)) {}

void ImportSession::chooseFile(std::string path) {
    m_filename = std::move(path);
}

ImportSession::~ImportSession() = default;

ImportSession::StatementRead ImportSession::readStatementFile(const std::string& path) {
    StatementRead read;
    try {
        std::string extension = lowercaseExtension(path);
        if (extension == "ofx" || extension == "qfx") {
            read.document = OFXReader::readTransactions(StatementText::readFile(path));
        } else if (extension == "qif") {
            read.document = QIFReader::parseFileForTransactions(path);
        } else {
            throw ParseError("PNParseError", "Unsupported file type.");
        }
    } catch (...) {
        read.document.reset();
        read.error = std::current_exception();
    }
    return read;
}

void ImportSession::import() {
    PN_ASSERT(m_filename.has_value(), "A file must be chosen before importing");
    if (needsReading()) {
        import(readStatementFile(*m_filename));
        return;
    }
    guarded([this] { importDocument(); });
}

void ImportSession::import(StatementRead read) {
    guarded([this, &read] {
        if (read.error) {
            std::rethrow_exception(read.error);
        }
        m_document = std::move(read.document);
        m_documentReleased = false;
        importDocument();
    });
}

void ImportSession::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const ParseError& error) {
        takeBackImport();
        if (m_documentReleased) {
            // Part of the document is gone: a question could not be answered by importing it
            // again.
            fail(error.reason());
        } else if (error.kind() == "PNAmbiguousDateOrder") {
            askDateOrder(error);
        } else {
            fail(error.reason());
        }
    } catch (...) {
        // An internal error half way must not leave half an import for a later save.
        takeBackImport();
        m_document.reset();
        m_page = Page::Main;
        throw;
    }
}

void ImportSession::importDocument() {
    ImportArray* accounts = accountsOf(*m_document);
    std::size_t count = accounts != nullptr ? accounts->size() : 0;
    if (count >= 2) {
        m_offeredStatements.clear();
        m_statementLabels.clear();
        for (const ImportValue& entry : *accounts) {
            if (std::optional<std::string> label = accountLabel(entry.dictionary())) {
                m_offeredStatements.push_back(entry);
                m_statementLabels.push_back(*label);
            }
        }
        if (m_statementLabels.empty()) {
            fail("No statement in the file can be imported.");
            return;
        }
        m_page = Page::StatementChoice;
        return;
    }
    if (count == 0) {
        // Nothing to import into: the import needs exactly one statement.
        fail("The file holds no statement.");
        return;
    }
    PN_ASSERT(!m_unit, "An import is under way already");
    m_unit = std::make_unique<Savepoint>(*m_account.managedObjectContext());
    m_importer = std::make_unique<StatementImporter>(m_account);
    m_importer->begin(*m_document);
    m_page = Page::Importing;
    if (m_entriesPerStep == kAllEntries) {
        while (m_page == Page::Importing) {
            continueImport();
        }
    }
}

void ImportSession::continueImport() {
    PN_ASSERT(m_page == Page::Importing && m_importer, "No import is under way");
    if (!m_importer->isFinished()) {
        guarded([this] {
            m_importer->importNext(m_entriesPerStep);
            // What an imported entry held is needed no more: a large statement's document
            // shrinks as its transactions are made instead of living beside all of them.
            m_importer->releaseImportedEntries();
            m_documentReleased = true;
        });
        return;
    }
    ImportSummary summary = m_importer->summary();
    m_importer.reset();
    m_document.reset();
    m_page = Page::Main;
    if (!keepImport()) {
        return;
    }
    m_importSummary = summary;
    save();
    m_page = Page::Summary;
}

void ImportSession::cancelImport() {
    PN_ASSERT(m_page == Page::Importing && m_unit, "No import is under way");
    takeBackImport();
    m_document.reset();
    m_page = Page::Main;
}

void ImportSession::takeBackImport() {
    m_importer.reset();
    if (m_unit) {
        m_unit->rollback();
        m_unit.reset();
    }
}

bool ImportSession::keepImport() {
    // Ends the unit before the save: inside it the save would only be noted.
    std::optional<ValidationError> error = m_unit->release();
    if (error) {
        // A save someone asked for during the import failed as the unit ended.
        m_unit->rollback();
        m_alert = couldNotSaveAlert(*error);
    }
    m_unit.reset();
    return !error;
}

std::size_t ImportSession::entriesToImport() const {
    return m_importer ? m_importer->acceptedCount() : 0;
}

std::size_t ImportSession::entriesImported() const {
    return m_importer ? m_importer->importedCount() : 0;
}

std::string ImportSession::progressText() const {
    PN_ASSERT(m_page == Page::Importing, "No import is under way");
    return progressText(entriesImported(), entriesToImport());
}

std::string ImportSession::progressText(std::size_t done, std::size_t total,
                                        const CountText& count) {
    if (done == total) {
        return "Saving\u2026";
    }
    const auto text = [&](std::size_t n) { return count ? count(n) : std::to_string(n); };
    return "Importing " + text(done) + " of " + text(total) + " transactions\u2026";
}

std::string ImportSession::readingText(const std::string& path) {
    return "Reading \u201c" + std::filesystem::path(path).filename().string() + "\u201d\u2026";
}

void ImportSession::continueFromStatementChoice(std::size_t index) {
    PN_ASSERT(m_document.has_value() && index < m_offeredStatements.size(),
              "A statement must be chosen from those offered");
    m_document->insert_or_assign("accounts", ImportArray{m_offeredStatements[index]});
    import();
}

void ImportSession::continueFromDateOrder(int tag) {
    PN_ASSERT(m_document.has_value(), "activity hash should be present");
    m_account.setQifDateOrder(std::string(kDateOrders[tag == 0 ? 0 : tag == 1 ? 1 : 2]));
    save();
    import();
}

void ImportSession::cancelFromDialog() {
    m_document.reset();
    m_page = Page::Main;
}

void ImportSession::fail(const std::string& reason) {
    m_document.reset();
    m_log.push_back("Parse Error: " + reason);
    m_alert = couldNotImportAlert();
    m_page = Page::Main;
}

void ImportSession::askDateOrder(const ParseError& error) {
    m_dateOrderQuestion.selectedTag = tagOfDateOrder(m_account.qifDateOrder(), 0);
    auto sample = error.details().find("sampleText");
    m_dateOrderQuestion.sampleText = sample != error.details().end() ? sample->second : "";
    if (error.details().contains("parseFailed")) {
        ++m_numberOfTimesDateParsingFailed;
        m_dateOrderQuestion.instructions =
            "Dates could not be parsed with the date format specified. Please select a new "
            "date format.";
    } else {
        m_dateOrderQuestion.instructions =
            "The format of dates could not be automatically determined from file. Please "
            "specify it below.";
    }
    m_page = Page::DateOrder;
    if (m_numberOfTimesDateParsingFailed >= 4) {
        m_alert = Alert{
            "Looks like you are having problem.",
            std::string("The dates in the QIF file could not be parsed with the format you "
                        "specified. Make sure you are specifying day, month and year in the "
                        "right order. Pennora assumes each date field is separated by a "
                        "non-digit charactor in the QIF file. If you continue to have problem, "
                        "please contact ") +
                kSupportAddress + " for help."};
    }
}

void ImportSession::save() {
    ObjectContext& context = *m_account.managedObjectContext();
    if (context.persistentStore() == nullptr) {
        return;
    }
    if (std::optional<ValidationError> error = context.save()) {
        m_alert = couldNotSaveAlert(*error);
    }
}

ImportSession::Alert ImportSession::couldNotSaveAlert(const ValidationError& error) {
    return Alert{"The import could not be saved.", error.localizedDescription};
}

ImportSession::SummaryTexts ImportSession::summaryTexts() const {
    PN_ASSERT(m_importSummary.has_value(), "No import has finished");
    return summaryTexts(*m_importSummary);
}

std::optional<ImportSession::Alert> ImportSession::takeAlert() {
    std::optional<Alert> alert = std::move(m_alert);
    m_alert.reset();
    return alert;
}

std::string ImportSession::startDateText(const Account& account) {
    std::optional<Date> latest = account.dateOfLatestOFXTransaction();
    Date date = latest ? *latest : account.effectiveStartBalanceDate().daysLater_PN(1);
    return twoDigits(date.month_PN()) + "/" + twoDigits(date.day_pn()) + "/" +
           std::to_string(date.year_PN());
}

ImportSession::SummaryTexts ImportSession::summaryTexts(const ImportSummary& summary) {
    SummaryTexts texts;
    std::int64_t imported = summary.matched + summary.created;
    texts.title = imported == 1 ? "1 transaction was imported"
                                : std::to_string(imported) + " transactions were imported";
    texts.matched = std::to_string(summary.matched) + " matched with pending transactions";
    texts.created = summary.created == 1
                        ? "1 was a new transaction"
                        : std::to_string(summary.created) + " were new transactions";
    if (summary.duplicate == 1) {
        texts.duplicate = "1 duplicate was not imported";
    } else if (summary.duplicate > 1) {
        texts.duplicate = std::to_string(summary.duplicate) + " duplicates were not imported";
    }
    return texts;
}

std::optional<std::string> ImportSession::accountLabel(const ImportDictionary& accountEntry) {
    const ImportValue* aggregate = accountEntry.find("aggregateType");
    std::string kind;
    if (aggregate != nullptr && aggregate->isText() &&
        aggregate->text() == "OFXCreditCardAggregateType") {
        kind = "Credit Card";
    } else {
        PN_ASSERT(aggregate != nullptr && aggregate->isText() &&
                      aggregate->text() == "OFXBankAggregateType",
                  "Unknown statement aggregate type");
        const ImportValue* type = accountEntry.find("ACCTTYPE");
        std::string accountType = type != nullptr && type->isText() ? type->text() : "";
        if (accountType == "CHECKING") {
            kind = "Checking";
        } else if (accountType == "SAVINGS") {
            kind = "Savings";
        } else {
            return std::nullopt;
        }
    }
    const ImportValue* id = accountEntry.find("ACCTID");
    std::string accountID = id != nullptr && id->isText() ? id->text() : "";
    std::string lastFour =
        accountID.size() > 4 ? accountID.substr(accountID.size() - 4) : accountID;
    return kind + " xxxx" + lastFour;
}

int ImportSession::specialBankTag(const Account& account) {
    return account.specialBank() ? static_cast<int>(*account.specialBank()) : kSpecialBankNone;
}

int ImportSession::dateOrderTag(const Account& account) {
    return tagOfDateOrder(account.qifDateOrder(), kDateOrderNotSet);
}

void ImportSession::saveSettings(Account& account, int specialBankTag, int dateOrderTag) {
    account.setSpecialBank(specialBankTag == kSpecialBankNone
                               ? std::nullopt
                               : std::optional<std::int64_t>(specialBankTag));
    account.setQifDateOrder(dateOrderTag >= 0 && dateOrderTag <= 2
                                ? std::optional<std::string>(kDateOrders[dateOrderTag])
                                : std::nullopt);
    ObjectContext& context = *account.managedObjectContext();
    if (context.persistentStore() != nullptr) {
        (void)context.save();
    }
}

ImportSession::Alert ImportSession::couldNotImportAlert() {
    return Alert{"The selected file could not be imported.",
                 std::string("Make sure this is an activity file downloaded from your bank's "
                             "website, not one you exported from another app. You should also "
                             "click \"Settings...\" to see if there is anything there that would "
                             "apply to your file. If you continue to have problem, email ") +
                     kSupportAddress + " and attach a copy the file you are trying to import."};
}
