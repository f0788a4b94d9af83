#pragma once

#include "ui/importing/ImportPage.h"

class QComboBox;

// The import settings of one account: the special bank whose rules apply to its statements
// and the order in which its QIF files write dates ("Not set": guessed from each file). The
// pop-ups' items carry the settings' tags as their data.
class ImportSettingsPage final : public ImportPage {
    Q_OBJECT
public:
    explicit ImportSettingsPage(QWidget* parent = nullptr);

    QComboBox* specialBanksPopup() const { return m_specialBanks; }
    QComboBox* dateOrderPopup() const { return m_dateOrder; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* saveButton() const { return m_save; }

    // Selects the items of the two tags.
    void selectTags(int specialBankTag, int dateOrderTag);
    int specialBankTag() const;
    int dateOrderTag() const;

private:
    QComboBox* m_specialBanks = nullptr;
    QComboBox* m_dateOrder = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_save = nullptr;
};
