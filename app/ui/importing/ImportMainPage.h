#pragma once

#include "ui/importing/ImportPage.h"

class QLineEdit;

// The import sheet's first page: the chosen file with "Choose...", the day from which to
// download the statement, a link to the help page, and Settings..., Cancel and Import.
class ImportMainPage final : public ImportPage {
    Q_OBJECT
public:
    explicit ImportMainPage(QWidget* parent = nullptr);

    QLineEdit* fileField() const { return m_fileField; }
    QPushButton* chooseButton() const { return m_choose; }
    QLabel* startDateField() const { return m_startDate; }
    QLabel* learnMoreLink() const { return m_learnMore; }
    QPushButton* settingsButton() const { return m_settings; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* importButton() const { return m_import; }

private:
    QLineEdit* m_fileField = nullptr;
    QPushButton* m_choose = nullptr;
    QLabel* m_startDate = nullptr;
    QLabel* m_learnMore = nullptr;
    QPushButton* m_settings = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_import = nullptr;
};
