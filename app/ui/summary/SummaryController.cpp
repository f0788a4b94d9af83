#include "ui/summary/SummaryController.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "budgets/BudgetSummary.h"
#include "ledger/Global.h"
#include "ui/summary/SummaryBox.h"

SummaryController::SummaryController(QWidget* parent) : QWidget(parent) {
    m_budgetedBox = new SummaryBox;
    m_actualBox = new SummaryBox;
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(48);
    boxes->addStretch(1);
    boxes->addWidget(m_budgetedBox, 0, Qt::AlignTop);
    boxes->addWidget(m_actualBox, 0, Qt::AlignTop);
    boxes->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 32, 24, 24);
    layout->addLayout(boxes);
    layout->addStretch(1);
}

void SummaryController::setup() {
    PN_ASSERT(m_budget != nullptr && m_expenseData != nullptr && m_incomeData != nullptr,
              "The summary needs a budget and both of its tracking results");
    const SummaryFigures::Inputs inputs =
        BudgetSummary::inputs(*m_budget, *m_expenseData, *m_incomeData);
    const std::string currency =
        Global::sharedInstanceInContext(*m_budget->managedObjectContext())->homeCurrency();
    m_budgetedBox->setBox(SummaryFigures::estimatedBox(inputs), currency);
    m_actualBox->setBox(SummaryFigures::actualBox(inputs), currency);
}

void SummaryController::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(QStringLiteral("#FEFEFE")));
}
