#pragma once

#include "ui/importing/ImportPage.h"

class QComboBox;

// The question which statement of a file that holds several to import: a pop-up of the
// statements offered ("Checking xxxx1234", ...).
class ImportStatementPage final : public ImportPage {
    Q_OBJECT
public:
    explicit ImportStatementPage(QWidget* parent = nullptr);

    QComboBox* accountsPopup() const { return m_popup; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* continueButton() const { return m_continue; }

private:
    QComboBox* m_popup = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_continue = nullptr;
};
