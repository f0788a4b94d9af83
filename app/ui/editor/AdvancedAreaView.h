#pragma once

#include <QWidget>
#include <vector>

#include "ledger/TransactionEditorModel.h"

class QLabel;
class QPushButton;
class QToolButton;

// The editor's advanced area: the rows that apply to the edited transaction stacked in order
// (the match with its "Undo Match" button, the bank's data, the account), each a label and
// its values lined up 5 points apart, and a button that closes the area.
class AdvancedAreaView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 26;

    explicit AdvancedAreaView(QWidget* parent = nullptr);

    // Takes every row out, then stacks the rows the model lists with its texts.
    void setupRows(const TransactionEditorModel& model);
    // The sum of the shown rows' heights.
    int areaHeight() const { return m_areaHeight; }

    QWidget* matchRow() const { return m_matchRow; }
    QWidget* originalRow() const { return m_originalRow; }
    QWidget* accountRow() const { return m_accountRow; }
    QLabel* matchedTitle() const { return m_matchedTitle; }
    QLabel* matchedMoreInfo() const { return m_matchedMoreInfo; }
    QPushButton* undoMatchButton() const { return m_undoMatchButton; }
    QLabel* originalTitle() const { return m_originalTitle; }
    QLabel* originalMoreInfo() const { return m_originalMoreInfo; }
    QLabel* accountName() const { return m_accountName; }
    QToolButton* hideButton() const { return m_hideButton; }

    // Sizes each control to fit and places each one 5 points right of the one before; the
    // first keeps its position.
    static void lineUpControls(const std::vector<QWidget*>& controls);

signals:
    void undoMatchClicked();
    void hideClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* makeRow(const QString& label);
    QLabel* makeValue(QWidget* row, bool secondary);
    void setElidedText(QLabel* label, const QString& text);

    QWidget* m_matchRow = nullptr;
    QWidget* m_originalRow = nullptr;
    QWidget* m_accountRow = nullptr;
    QLabel* m_matchedTitle = nullptr;
    QLabel* m_matchedMoreInfo = nullptr;
    QPushButton* m_undoMatchButton = nullptr;
    QLabel* m_originalTitle = nullptr;
    QLabel* m_originalMoreInfo = nullptr;
    QLabel* m_accountName = nullptr;
    QToolButton* m_hideButton = nullptr;
    int m_areaHeight = 0;
};
