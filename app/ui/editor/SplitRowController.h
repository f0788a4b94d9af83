#pragma once

#include <QWidget>
#include <optional>

#include "base/Decimal.h"

class QToolButton;
class AmountField;
class Category;
class CategoryField;
class CurrencyField;
class ObjectContext;

// One split row of the transaction editor: a category field, an amount with the account's
// currency symbol, and the buttons that remove this row and add one after the last row (only
// the last row shows its plus button). It shows what the editor's model says and reports the
// user's edits; the editor owns the rows and reuses them from one opening to the next.
class SplitRowController : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 22;
    // Where the amount starts; the remainder under the rows lines up with it.
    static constexpr int kAmountX = 171;
    static constexpr int kRowWidth = 325;

    explicit SplitRowController(QWidget* parent = nullptr);

    void setup(ObjectContext& context, const std::string& currencyCode);
    // Shows the values without marking anything as typed; a field that already shows the
    // value is left alone (its text and selection stay while the user is in it).
    void setAmount(const std::optional<Decimal>& amount);
    std::optional<Decimal> amount() const;
    void setCategory(Category* category);
    Category* category() const;

    CategoryField* categoryField() const { return m_categoryField; }
    CurrencyField* currencyField() const { return m_currencyField; }
    AmountField* amountField() const;
    QToolButton* plusButton() const { return m_plusButton; }
    QToolButton* minusButton() const { return m_minusButton; }
    void showPlusButton();
    void hidePlusButton();

    // Ends editing in both fields, so that what is typed counts.
    void commitEditing();

signals:
    // The amount field ended editing (amountChanged:) / the category changed (categoryChanged:).
    void amountChanged(SplitRowController* row);
    void categoryChanged(SplitRowController* row);
    void addSplit(SplitRowController* row);
    void removeSplit(SplitRowController* row);
    // Return ended an edit of the category field (_returnWasPressedInCategoryField).
    void returnPressedInCategoryField();
    void editCategoriesRequested();

private:
    CategoryField* m_categoryField = nullptr;
    CurrencyField* m_currencyField = nullptr;
    QToolButton* m_minusButton = nullptr;
    QToolButton* m_plusButton = nullptr;
};
