#pragma once

#include "ui/importing/ImportPage.h"

class ImportProgressView;

// Shown while a statement is read and its entries matched: the progress and a Cancel button
// that is enabled while cancelling leaves the account as it was.
class ImportProgressPage final : public ImportPage {
    Q_OBJECT
public:
    explicit ImportProgressPage(QWidget* parent = nullptr);

    ImportProgressView* progress() const { return m_progress; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    ImportProgressView* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
};
