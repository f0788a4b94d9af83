#include "ui/scheduled/ScheduledListView.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedLayout>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/common/Images.h"
#include "ui/scheduled/ScheduledListDelegate.h"
#include "ui/scheduled/ScheduledListModel.h"

namespace {

constexpr int kMargin = 14;
constexpr int kDueDateWidth = 112;
constexpr int kAmountWidth = 132;
constexpr int kActionWidth = 100;

}  // namespace

ScheduledListView::ScheduledListView(ScheduledListModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    m_stack = new QStackedLayout(this);
    buildTable(model);
    m_stack->addWidget(buildWelcome());
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { modelReset(); });
    connect(&model, &QAbstractItemModel::rowsInserted, this, [this] { modelReset(); });
    connect(&model, &QAbstractItemModel::rowsRemoved, this, [this] { modelReset(); });
    modelReset();
}

void ScheduledListView::buildTable(ScheduledListModel& model) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(kMargin, 0, kMargin, 0);
    m_table = new QTableView;
    m_delegate = new ScheduledListDelegate(m_table);
    m_table->setModel(&model);
    m_table->setItemDelegate(m_delegate);
    m_table->setShowGrid(false);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setMouseTracking(true);
    m_table->setWordWrap(false);
    // The cards draw on the view's own background, and show the selection themselves: the
    // table paints no highlight of its own behind them.
    m_table->setAutoFillBackground(false);
    m_table->viewport()->setAutoFillBackground(false);
    QPalette palette = m_table->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, Qt::transparent);
    }
    m_table->setPalette(palette);
    QHeaderView* columns = m_table->horizontalHeader();
    columns->hide();
    columns->setMinimumSectionSize(20);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionResizeMode(ScheduledListModel::TitleColumn, QHeaderView::Stretch);
    columns->resizeSection(ScheduledListModel::DueDateColumn, kDueDateWidth);
    columns->resizeSection(ScheduledListModel::AmountColumn, kAmountWidth);
    columns->resizeSection(ScheduledListModel::ActionColumn, kActionWidth);
    QHeaderView* rows = m_table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(ScheduledListDelegate::kRowHeight);
    layout->addWidget(m_table);
    m_stack->addWidget(page);
}

QWidget* ScheduledListView::buildWelcome() {
    m_welcome = new QWidget;
    auto* layout = new QVBoxLayout(m_welcome);
    layout->addStretch(2);
    auto* title = new QLabel(tr("No Scheduled Transactions"));
    QFont titleFont = title->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* text =
        new QLabel(tr("Schedule the bills, deposits and transfers that come again and "
                      "again: Pennora shows when each is due, reminds you of it and "
                      "pays it with one click."));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setMaximumWidth(380);
    m_welcomeButton = new QPushButton(tr("New Scheduled Transaction..."));
    connect(m_welcomeButton, &QPushButton::clicked, this, &ScheduledListView::addRequested);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addWidget(m_welcomeButton, 0, Qt::AlignHCenter);
    layout->addStretch(3);
    return m_welcome;
}

bool ScheduledListView::isShowingWelcome() const {
    return m_stack->currentWidget() == m_welcome;
}

void ScheduledListView::modelReset() {
    if (m_model.rowCount() > 0) {
        m_table->setRowHeight(0, ScheduledListDelegate::kFirstRowHeight);
    }
    m_stack->setCurrentIndex(m_model.rowCount() > 0 ? 0 : 1);
}

void ScheduledListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QBrush(Images::pixmap(QStringLiteral("scheduledBackground"), 16,
                                                   devicePixelRatioF())));
}
