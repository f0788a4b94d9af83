#pragma once

#include "ui/importing/ImportPage.h"

// The import sheet's last page: how many entries were imported, matched, new, and (when
// any) left out as duplicates. It is 195 points high, 219 with the duplicate line.
class ImportSummaryPage final : public ImportPage {
    Q_OBJECT
public:
    static constexpr int kHeight = 195;
    static constexpr int kHeightWithDuplicates = 219;

    explicit ImportSummaryPage(QWidget* parent = nullptr);

    QLabel* matchedLabel() const { return m_matched; }
    QLabel* newLabel() const { return m_new; }
    QLabel* duplicateLabel() const { return m_duplicate; }
    QPushButton* doneButton() const { return m_done; }

private:
    QLabel* m_matched = nullptr;
    QLabel* m_new = nullptr;
    QLabel* m_duplicate = nullptr;
    QPushButton* m_done = nullptr;
};
