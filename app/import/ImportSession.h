#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ImportValue.h"
#include "StatementImporter.h"
#include "base/Alert.h"

class Account;
class ParseError;
class Savepoint;
struct ValidationError;

// What the import sheet shows and does, without widgets: one import of a statement file into
// one account, with its questions (which statement of a multi-statement file, in which order
// a QIF file writes its dates) and its outcome. The sheet displays `page()` and its texts and
// forwards the user's answers. A successful import is saved through the account's store.
//
// A front end that keeps its window live may read the file on another thread
// (readStatementFile, then import(StatementRead)) and import the entries in steps
// (setEntriesPerStep): the session then stops on the Importing page once the duplicates are set
// aside and after each step, and continueImport() goes on; the step after the last entry saves.
// By default an import runs to its end at once.
//
// From setting the duplicates aside to the save, the import is one unit of change on the
// account's context (a savepoint): cancelImport() takes it back whole, leaving the context, its
// pending changes and its undo stack as they were before Import. A save asked for by anyone
// else meanwhile waits for the unit. The unit ends before the save, so a failed save leaves the
// import in the context, unsaved, as any other change whose save failed.
class ImportSession final {
public:
    enum class Page { Main, StatementChoice, DateOrder, Importing, Summary };

    // A statement file read into a document, or the error its reader raised.
    struct StatementRead {
        std::optional<ImportDictionary> document;
        std::exception_ptr error;
    };

    using Alert = ::Alert;
    struct SummaryTexts {
        std::string title;
        std::string matched;
        std::string created;
        std::optional<std::string> duplicate;  // hidden when none
    };
    struct DateOrderQuestion {
        std::string sampleText;
        std::string instructions;
        int selectedTag = 0;  // 0 MDY, 1 DMY, 2 YMD
    };

    static constexpr const char* kSupportAddress = "support@pennora.org";
    static constexpr int kDateOrderNotSet = -1;
    static constexpr int kSpecialBankNone = -1;
    static constexpr std::size_t kAllEntries = static_cast<std::size_t>(-1);

    // Opening the sheet for `account` (forgets any earlier file, document and summary).
    explicit ImportSession(Account& account);
    ~ImportSession();

    Account& account() const { return m_account; }
    Page page() const { return m_page; }
    // The day from which to download the statement, "MM/dd/yyyy".
    const std::string& startDateText() const { return m_startDateText; }
    const std::optional<std::string>& filename() const { return m_filename; }
    void chooseFile(std::string path);
    bool canImport() const { return m_filename.has_value(); }

    // Reads the chosen file (unless a document is held from a question) and imports it, or
    // asks a question. Ends on the summary, a question page, or the main page with an alert.
    void import();
    // Whether import() would read the file first (no document is held from a question).
    bool needsReading() const { return !m_document.has_value(); }
    // Reads a statement file by its extension. Touches no store: safe on any thread.
    static StatementRead readStatementFile(const std::string& path);
    // import() with the file already read by readStatementFile.
    void import(StatementRead read);

    // How many entries one step imports (all by default).
    void setEntriesPerStep(std::size_t count) { m_entriesPerStep = count; }
    // On the Importing page: imports the next step's entries; once all are imported, saves the
    // import and shows the summary.
    void continueImport();
    // On the Importing page: takes back everything the import changed; back to the main page
    // with the document dropped.
    void cancelImport();
    // The entries to import (duplicates set aside) and how many are imported so far.
    std::size_t entriesToImport() const;
    std::size_t entriesImported() const;
    // What the Importing page shows: "Importing N of M transactions…" between steps and
    // "Saving…" once only the save is left.
    std::string progressText() const;
    // The same for `done` of `total` entries, each count written by `count` (plain digits when
    // there is none; the desktop groups them as the locale does). An import from another
    // application shows it too.
    using CountText = std::function<std::string(std::size_t)>;
    static std::string progressText(std::size_t done, std::size_t total,
                                    const CountText& count = {});
    // The labels of the statements offered on the choice page.
    const std::vector<std::string>& statementLabels() const { return m_statementLabels; }
    void continueFromStatementChoice(std::size_t index);
    const DateOrderQuestion& dateOrderQuestion() const { return m_dateOrderQuestion; }
    int numberOfTimesDateParsingFailed() const { return m_numberOfTimesDateParsingFailed; }
    // Stores the chosen order (tag 0 MDY, 1 DMY, otherwise YMD) and imports again.
    void continueFromDateOrder(int tag);
    // Cancel on a question page: drops the document, back to the main page.
    void cancelFromDialog();

    const std::optional<ImportSummary>& importSummary() const { return m_importSummary; }
    SummaryTexts summaryTexts() const;
    // The modal alert to show after the last step, if any; taking it clears it.
    std::optional<Alert> takeAlert();
    // Lines written to the log ("Parse Error: ...").
    const std::vector<std::string>& log() const { return m_log; }

    // ---- Helpers of the pages ----

    static std::string startDateText(const Account& account);
    // What an import shows while its file is read: "Reading “NAME”…", the file's name without
    // its folder.
    static std::string readingText(const std::string& path);
    static SummaryTexts summaryTexts(const ImportSummary& summary);
    // "Checking xxxx1234", "Savings xxxx…", "Credit Card xxxx…"; nothing for a bank
    // statement of another type.
    static std::optional<std::string> accountLabel(const ImportDictionary& accountEntry);
    // The settings page's tags of an account and storing them back.
    static int specialBankTag(const Account& account);
    static int dateOrderTag(const Account& account);
    static void saveSettings(Account& account, int specialBankTag, int dateOrderTag);
    static Alert couldNotImportAlert();

private:
    // Runs `step` inside the import's error guard.
    void guarded(const std::function<void()>& step);
    void importDocument();
    void fail(const std::string& reason);
    void askDateOrder(const ParseError& error);
    void save();
    // Ends the unit of change of an import, keeping it; false (the import taken back and the
    // alert set) when a save asked for meanwhile failed.
    bool keepImport();
    // Takes back whatever the import under way changed.
    void takeBackImport();
    static Alert couldNotSaveAlert(const ValidationError& error);

    Account& m_account;
    Page m_page = Page::Main;
    std::string m_startDateText;
    std::optional<std::string> m_filename;
    std::optional<ImportDictionary> m_document;
    // Entries of m_document were emptied once imported (from the first step on).
    bool m_documentReleased = false;
    std::unique_ptr<StatementImporter> m_importer;
    // Open from begin() of the importer to the save or the cancel.
    std::unique_ptr<Savepoint> m_unit;
    std::size_t m_entriesPerStep = kAllEntries;
    std::vector<ImportValue> m_offeredStatements;
    std::vector<std::string> m_statementLabels;
    DateOrderQuestion m_dateOrderQuestion;
    int m_numberOfTimesDateParsingFailed = 0;
    std::optional<ImportSummary> m_importSummary;
    std::optional<Alert> m_alert;
    std::vector<std::string> m_log;
};
