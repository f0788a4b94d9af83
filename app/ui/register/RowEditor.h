#pragma once

#include <QWidget>

class Transaction;

// The panel that the register opens in place over one row to edit that row's transaction.
//
// The register owns one panel for its whole life and reuses it: beginEditing() for every
// opening, writeFieldsToTransaction() and endEditing() at every closing. The register places
// the panel over the edited row and gives that row the panel's height, following every resize
// of the panel (the panel resizes itself when splits are added or its advanced area opens).
// The panel never saves the store or closes itself: it asks the register through its signals.
class RowEditor : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Fills the panel from `transaction` and shows its basic fields (advanced area closed).
    // `isAdding`: the transaction was just added, so the amount field starts empty and a typed
    // number is an expense unless its sign is deleted. `showsAccountRow`: the register shows
    // more than one account, so the advanced area offers the account row.
    virtual void beginEditing(Transaction& transaction, bool isAdding, bool showsAccountRow) = 0;
    // Writes every field, and the category or the splits, into the transaction. Saves nothing.
    // REQUIRES: editing (AssertionFailure otherwise).
    virtual void writeFieldsToTransaction() = 0;
    // Forgets the transaction; the panel is empty until the next beginEditing().
    virtual void endEditing() = 0;
    // The transaction being edited, or nullptr.
    virtual Transaction* transaction() const = 0;
    // Gives the keyboard focus to the title, its text selected.
    virtual void focusFirstField() = 0;

signals:
    // Return (unless it only confirmed a category): the register saves the store, which
    // writes the panel back and closes it.
    void saveAndCloseRequested();
    // Escape: the register closes the panel, keeping what the fields hold.
    void closeRequested();
    // The panel changed transactions itself (a match undone and saved); the register re-sorts
    // and redraws.
    void transactionsChanged();
    // "Edit Categories..." was chosen in a category menu.
    void editCategoriesRequested();
};
