#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QStackedLayout;
class QTableView;
class ScheduledListDelegate;
class ScheduledListModel;

// The scheduled list's view: the table of item cards on the list's patterned background, or,
// while there is no item, a welcome message with a button that adds the first one.
class ScheduledListView final : public QWidget {
    Q_OBJECT
public:
    explicit ScheduledListView(ScheduledListModel& model, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    ScheduledListDelegate* delegate() const { return m_delegate; }
    QPushButton* welcomeButton() const { return m_welcomeButton; }
    // True while the welcome message stands in for the empty table.
    bool isShowingWelcome() const;

signals:
    void addRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTable(ScheduledListModel& model);
    QWidget* buildWelcome();
    // Row heights and the welcome message after the model changed.
    void modelReset();

    ScheduledListModel& m_model;
    QStackedLayout* m_stack = nullptr;
    QTableView* m_table = nullptr;
    ScheduledListDelegate* m_delegate = nullptr;
    QWidget* m_welcome = nullptr;
    QPushButton* m_welcomeButton = nullptr;
};
