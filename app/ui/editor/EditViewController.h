#pragma once

#include <QPointer>
#include <vector>

#include "ledger/TransactionEditorModel.h"
#include "ui/common/KeyLoop.h"
#include "ui/register/RowEditor.h"

class QLineEdit;
class QPushButton;
class QToolButton;
class QVariantAnimation;
class AdvancedAreaView;
class AmountField;
class CategoryField;
class CheckNumberField;
class CurrencyField;
class EditView;
class ObjectContext;
class PNDatePicker;
class RemainderView;
class SplitRowController;

// The transaction editor: the panel the register opens over a row. Date, check number, title,
// amount with the account's currency symbol and notes; one category field with a split
// button, or split rows with the remainder they leave; and an advanced area (the match with
// "Undo Match", the bank's data, the account) opened by a toggle. Its model holds the fields
// and the rules; this shows them and forwards the edits.
//
// Keys: Return asks the register to save and close (unless that Return only confirmed a
// category, disableSaveOnEnter), Escape asks it to close; Tab goes round title, amount,
// category (or each row's category and amount), notes, date and check number. The panel sets
// its own height, animated while it is shown, whenever rows or the advanced area come or go.
//
// Undo Match asks first; then it asks the register to save (which closes the panel), undoes
// the match, asks for a save again (the panel is closed by then) and reports
// transactionsChanged().
class EditViewController : public RowEditor {
    Q_OBJECT
public:
    explicit EditViewController(ObjectContext& context, QWidget* parent = nullptr);
    ~EditViewController() override;

    // ---- RowEditor ----
    void beginEditing(Transaction& transaction, bool isAdding, bool showsAccountRow) override;
    void writeFieldsToTransaction() override;
    void endEditing() override;
    Transaction* transaction() const override { return m_model.transaction(); }
    void focusFirstField() override;

    // ---- State, for the register and for tests ----
    const TransactionEditorModel& model() const { return m_model; }
    bool isShowingSplits() const { return m_model.isShowingSplits(); }
    bool advancedViewIsShown() const { return m_advancedViewIsShown; }
    bool disableSaveOnEnter() const { return m_disableSaveOnEnter; }
    void setDisableSaveOnEnter(bool disable) { m_disableSaveOnEnter = disable; }
    // The height the panel is taking (the end of a running animation).
    int targetHeight() const { return m_targetHeight; }
    // Height changes are animated while the panel is visible, unless turned off (tests).
    void setAnimated(bool animated) { m_animated = animated; }
    // The keyboard focus loop, in order.
    const std::vector<QWidget*>& keyLoop() const { return m_keyLoop.widgets(); }

    PNDatePicker* datePicker() const { return m_datePicker; }
    CheckNumberField* checkNumberField() const { return m_checkNumberField; }
    QLineEdit* titleField() const { return m_titleField; }
    CurrencyField* currencyField() const { return m_currencyField; }
    AmountField* amountField() const;
    QLineEdit* notesField() const { return m_notesField; }
    CategoryField* singleCategoryField() const { return m_singleCategoryField; }
    QPushButton* splitButton() const { return m_splitButton; }
    // The rows in use, in order (more may exist, hidden, for reuse).
    std::vector<SplitRowController*> rowControllers() const;
    RemainderView* remainderView() const { return m_remainderView; }
    QLineEdit* remainderField() const;
    QToolButton* advancedToggleButton() const { return m_advancedToggleButton; }
    AdvancedAreaView* advancedView() const { return m_advancedView; }

    // ---- Commands ----
    void split();
    void addSplitRow();
    void removeSplitRow(SplitRowController* row);
    void showAdvanced();
    void hideAdvanced();
    void undoMatch();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildBasicFields();
    void layoutBasicFields();
    void connectFields();
    SplitRowController* rowController(std::size_t index);
    void setupRow(SplitRowController* row);

    void showSingleCategory();
    void updateSplitsView();
    void showRemainderView(const Decimal& remainder);
    int categoryBoxHeight() const;
    void resetCategoryBoxHeight();
    void setPanelHeight(int height);
    void setupKeyLoopForSingleCategory();
    void setupKeyLoopForSplits();
    // Ends editing in every field, so that what is typed counts (the window ending editing).
    void commitFields();

    void amountChanged();
    void rowAmountChanged(SplitRowController* row);
    void rowCategoryChanged(SplitRowController* row);
    void returnWasPressedInCategoryField();
    std::size_t indexOfRow(const SplitRowController* row) const;

    ObjectContext& m_context;
    TransactionEditorModel m_model;
    EditView* m_editView = nullptr;
    PNDatePicker* m_datePicker = nullptr;
    CheckNumberField* m_checkNumberField = nullptr;
    QLineEdit* m_titleField = nullptr;
    CurrencyField* m_currencyField = nullptr;
    QLineEdit* m_notesField = nullptr;
    QWidget* m_categoryView = nullptr;
    CategoryField* m_singleCategoryField = nullptr;
    QPushButton* m_splitButton = nullptr;
    QWidget* m_splitsView = nullptr;
    std::vector<SplitRowController*> m_rowControllers;  // all made so far, in order
    RemainderView* m_remainderView = nullptr;
    QToolButton* m_advancedToggleButton = nullptr;
    AdvancedAreaView* m_advancedView = nullptr;
    QVariantAnimation* m_animation = nullptr;
    KeyLoop m_keyLoop;
    int m_targetHeight = 0;
    bool m_advancedViewIsShown = false;
    bool m_disableSaveOnEnter = false;
    bool m_animated = true;
    // Set while the fields are being filled from the model, so their signals are not edits.
    bool m_syncing = false;
};
