#pragma once

#include <QMainWindow>
#include <functional>

class StatusField;
class QLineEdit;
class QSplitter;
class QToolButton;
class QVBoxLayout;
class SourceListView;

// The main window's widgets: the search bar at the top, the split view with the source
// list on the left and the content area on the right, and the bottom bar with the add and
// action menus and the status line. AppController fills and drives them.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    SourceListView* sourceList() const { return m_sourceList; }
    // Holds at most one content view, filling it.
    QWidget* contentArea() const { return m_contentArea; }
    QVBoxLayout* contentLayout() const { return m_contentLayout; }
    QSplitter* splitView() const { return m_split; }
    StatusField* statusField() const { return m_statusField; }
    QLineEdit* searchField() const { return m_searchField; }
    QToolButton* addButton() const { return m_addButton; }
    QToolButton* actionButton() const { return m_actionButton; }

    // Asked before the window closes; false keeps it open.
    void setCloseHandler(std::function<bool()> handler) { m_closeHandler = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildBottomBar();

    SourceListView* m_sourceList = nullptr;
    QWidget* m_contentArea = nullptr;
    QVBoxLayout* m_contentLayout = nullptr;
    QSplitter* m_split = nullptr;
    StatusField* m_statusField = nullptr;
    QLineEdit* m_searchField = nullptr;
    QToolButton* m_addButton = nullptr;
    QToolButton* m_actionButton = nullptr;
    std::function<bool()> m_closeHandler;
};
