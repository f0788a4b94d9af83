#include "ui/shell/MainWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/Images.h"
#include "ui/register/StatusField.h"
#include "ui/sourcelist/SourceListView.h"

namespace {

// The bottom bar is the window's bottom content border.
constexpr int kBottomBarHeight = 34;
constexpr int kMinimumPaneWidth = 120;

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tr("Pennora"));
    setWindowIcon(Images::icon(QStringLiteral("appIcon")));
    setObjectName(QStringLiteral("mainWindow"));

    auto* top = new QToolBar(tr("Search"), this);
    top->setMovable(false);
    top->setFloatable(false);
    top->toggleViewAction()->setVisible(false);
    auto* spacer = new QWidget(top);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    top->addWidget(spacer);
    m_searchField = new QLineEdit(top);
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setFixedWidth(200);
    top->addWidget(m_searchField);
    addToolBar(Qt::TopToolBarArea, top);

    m_sourceList = new SourceListView;
    m_sourceList->setMinimumWidth(kMinimumPaneWidth);
    m_contentArea = new QWidget;
    m_contentArea->setMinimumWidth(kMinimumPaneWidth);
    m_contentLayout = new QVBoxLayout(m_contentArea);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_split = new QSplitter(Qt::Horizontal);
    m_split->addWidget(m_sourceList);
    m_split->addWidget(m_contentArea);
    m_split->setChildrenCollapsible(false);
    // On resize the source list keeps its width and the content takes the rest.
    m_split->setStretchFactor(0, 0);
    m_split->setStretchFactor(1, 1);
    m_split->setSizes({175, 712});
    m_split->setHandleWidth(1);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_split, 1);
    layout->addWidget(buildBottomBar());
    setCentralWidget(central);
    resize(887, 546);
}

QWidget* MainWindow::buildBottomBar() {
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setFixedHeight(kBottomBarHeight);
    bar->setStyleSheet(QStringLiteral(
        "#bottomBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #E9E9E9,"
        " stop:1 #CFCFCF); border-top: 1px solid #A8A8A8; }"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    m_addButton = new QToolButton(bar);
    m_addButton->setText(QStringLiteral("+"));
    m_addButton->setToolTip(tr("Add an account, account group or budget"));
    m_addButton->setPopupMode(QToolButton::InstantPopup);
    m_actionButton = new QToolButton(bar);
    m_actionButton->setText(QStringLiteral("\u2699"));
    m_actionButton->setToolTip(tr("Act on the selected item"));
    m_actionButton->setPopupMode(QToolButton::InstantPopup);
    for (QToolButton* button : {m_addButton, m_actionButton}) {
        button->setFixedSize(32, 24);
        button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
        layout->addWidget(button);
    }
    m_statusField = new StatusField(bar);
    m_statusField->setAlignment(Qt::AlignCenter);
    m_statusField->setStyleSheet(QStringLiteral("color: #3A3A3A;"));
    layout->addWidget(m_statusField, 1);
    // Balances the buttons so the status line stays centred under the window.
    layout->addSpacing(66);
    return bar;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closeHandler && !m_closeHandler()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
