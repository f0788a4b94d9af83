#pragma once

#include <functional>

#include "ui/register/RowEditor.h"

class QLabel;

// A stand-in for the row editor in the register's tests: a grey panel of a fixed height that
// shows the title it edits and writes back whatever the test scripts.
class FakeRowEditor final : public RowEditor {
    Q_OBJECT
public:
    explicit FakeRowEditor(QWidget* parent = nullptr);

    void beginEditing(Transaction& transaction, bool isAdding, bool showsAccountRow) override;
    void writeFieldsToTransaction() override;
    void endEditing() override;
    Transaction* transaction() const override { return m_transaction; }
    void focusFirstField() override;

    // What writeFieldsToTransaction() does to the transaction.
    std::function<void(Transaction&)> edit;
    bool wasAdding = false;
    bool showedAccountRow = false;
    int writes = 0;

    // Emit the panel's requests as its keys would.
    void pressReturn() { emit saveAndCloseRequested(); }
    void pressEscape() { emit closeRequested(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Transaction* m_transaction = nullptr;
    QLabel* m_label = nullptr;
};
