#pragma once

#include <QDialog>

class ImportDateOrderPage;
class ImportMainPage;
class ImportPage;
class ImportProgressPage;
class ImportSettingsPage;
class ImportStatementPage;
class ImportSummaryPage;

// The import sheet ("ImportSheet"): one page at a time, the sheet growing or shrinking to the
// page's size with its top edge in place. It shows and forwards; ImportController drives it.
class ImportSheet final : public QDialog {
    Q_OBJECT
public:
    explicit ImportSheet(QWidget* parent);

    ImportMainPage* mainView() const { return m_main; }
    ImportStatementPage* accountSelectionView() const { return m_statement; }
    ImportDateOrderPage* dateOrderView() const { return m_dateOrder; }
    ImportSettingsPage* settingsView() const { return m_settings; }
    ImportProgressPage* progressView() const { return m_progress; }
    ImportSummaryPage* summaryView() const { return m_summary; }
    ImportPage* currentView() const { return m_current; }

    // Puts `page` in place of the current one and resizes the sheet to it.
    void showView(ImportPage* page);
    // The summary page is shorter without its duplicate line.
    void setSummaryHasDuplicateLine(bool shown);

    // Escape and closing the window do not end the sheet by themselves: what they mean
    // depends on the page (the controller decides).
    void reject() override;

signals:
    void escapePressed();

private:
    QSize sizeOf(ImportPage* page) const;

    ImportMainPage* m_main = nullptr;
    ImportStatementPage* m_statement = nullptr;
    ImportDateOrderPage* m_dateOrder = nullptr;
    ImportSettingsPage* m_settings = nullptr;
    ImportProgressPage* m_progress = nullptr;
    ImportSummaryPage* m_summary = nullptr;
    ImportPage* m_current = nullptr;
};
