#pragma once

#include "ui/importing/ImportPage.h"

class QComboBox;

// The question in which order a QIF file writes its dates: the instructions, a date text
// from the file, and the order to read it in.
class ImportDateOrderPage final : public ImportPage {
    Q_OBJECT
public:
    explicit ImportDateOrderPage(QWidget* parent = nullptr);

    QLabel* dateInstructions() const { return m_instructions; }
    QLabel* dateText() const { return m_dateText; }
    QComboBox* dateOrderPopup() const { return m_popup; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* continueButton() const { return m_continue; }

private:
    QLabel* m_instructions = nullptr;
    QLabel* m_dateText = nullptr;
    QComboBox* m_popup = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_continue = nullptr;
};
