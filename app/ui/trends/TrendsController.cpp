#include "ui/trends/TrendsController.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ledger/Category.h"
#include "reports/TrendChart.h"
#include "ui/trends/TrendsMenuModel.h"
#include "ui/trends/TrendsView.h"

TrendsController::TrendsController(ObjectContext& context, QWidget* parent)
    : QWidget(parent),
      m_context(context),
      m_menuModel(new TrendsMenuModel(context, this)),
      m_popupButton(new QComboBox),
      m_trendsView(new TrendsView) {
    setWindowTitle(tr("Trends"));
    m_popupButton->setModel(m_menuModel);
    m_popupButton->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_popupButton->setMaxVisibleItems(24);
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("trendsBar"));
    bar->setStyleSheet(
        QStringLiteral("#trendsBar { background: #EDEFF2; border-bottom: 1px solid #C9CDD2; }"));
    auto* strip = new QHBoxLayout(bar);
    strip->setContentsMargins(10, 4, 10, 4);
    auto* label = new QLabel(tr("Show:"));
    label->setBuddy(m_popupButton);
    strip->addWidget(label);
    strip->addWidget(m_popupButton);
    strip->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_trendsView, 1);
    connect(m_popupButton, &QComboBox::activated, this, [this] { showSelectedChart(); });
}

TrendsController::~TrendsController() = default;

void TrendsController::setup() {
    m_menuModel->reload();
    m_popupButton->setCurrentIndex(0);
    showSelectedChart();
}

void TrendsController::updateView() {
    const int row = m_popupButton->currentIndex();
    const bool wasCategory = m_menuModel->isSeriesRow(row) && m_menuModel->categoryAt(row);
    const Category* category = wasCategory ? m_menuModel->categoryAt(row) : nullptr;
    m_menuModel->reload();
    int newRow = wasCategory ? m_menuModel->rowForCategory(category) : row;
    if (!m_menuModel->isSeriesRow(newRow)) {
        newRow = 0;
    }
    m_popupButton->setCurrentIndex(newRow);
    showSelectedChart();
}

void TrendsController::showSelectedChart() {
    m_trendsView->showBlank();
    const int row = m_popupButton->currentIndex();
    if (!m_menuModel->isSeriesRow(row)) {
        return;
    }
    m_trendsView->setChart(
        TrendChart::forSeries(m_menuModel->kindAt(row), m_menuModel->categoryAt(row), m_context));
}
