#include "ui/budgets/BudgetOutlineView.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "budgets/BudgetBarFigures.h"
#include "ui/budgets/BudgetOutlineDelegate.h"
#include "ui/budgets/BudgetOutlineMetrics.h"
#include "ui/budgets/BudgetOutlineModel.h"
#include "ui/common/Images.h"

namespace {

const QColor kGroupBackground(QStringLiteral("#F0F0F0"));
const QColor kSeparator(QStringLiteral("#CCCCCC"));
const QColor kScale(QStringLiteral("#333333"));
constexpr qreal kNeedleOpacity = 0.39;
const QString kNeedle = QStringLiteral("needle");

QFont scaleFont() {
    QFont font;
    font.setPixelSize(9);
    return font;
}

TrackRow::Type rowType(const QModelIndex& index) {
    return static_cast<TrackRow::Type>(index.data(BudgetOutlineModel::RowTypeRole).toInt());
}

}  // namespace

BudgetOutlineView::BudgetOutlineView(QWidget* parent) : QTreeView(parent) {
    setItemDelegate(new BudgetOutlineDelegate(this));
    setUniformRowHeights(false);
    setMouseTracking(true);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Only category rows are selected; no focus frame marks a group row as if it were.
    setAllColumnsShowFocus(false);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setAnimated(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setSortIndicatorShown(true);
    header()->setStretchLastSection(true);
    header()->setSortIndicator(-1, Qt::DescendingOrder);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int section) { headerClicked(section); });
    // The header turns its indicator on any clicked section; only the limit sorts.
    connect(header(), &QHeaderView::sortIndicatorChanged, this,
            [this] { setSortAscending(m_sortAscending); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (rowType(index) == TrackRow::Type::Category && !m_mouseOverButton.isValid()) {
            emit editRequested(index.siblingAtColumn(0));
        }
    });
}

void BudgetOutlineView::setModel(QAbstractItemModel* model) {
    m_model = qobject_cast<BudgetOutlineModel*>(model);
    QTreeView::setModel(model);
    if (model == nullptr) {
        return;
    }
    connect(model, &QAbstractItemModel::modelReset, this, [this] { updateTrackingAreas(); });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] { updateTrackingAreas(); });
}

void BudgetOutlineView::setShouldDrawNeedle(bool draw) {
    m_shouldDrawNeedle = draw;
    viewport()->update();
}

void BudgetOutlineView::setNeedlePercentage(float percentage) {
    m_needlePercentage = percentage;
    viewport()->update();
}

void BudgetOutlineView::setSortAscending(std::optional<bool> ascending) {
    m_sortAscending = ascending;
    const QSignalBlocker blocker(header());
    header()->setSortIndicator(
        ascending ? BudgetOutlineModel::LimitColumn : -1,
        ascending.value_or(false) ? Qt::AscendingOrder : Qt::DescendingOrder);
    header()->viewport()->update();
}

void BudgetOutlineView::headerClicked(int section) {
    if (section != BudgetOutlineModel::LimitColumn) {
        setSortAscending(m_sortAscending);
        return;
    }
    // Largest first, then the other way round on each click.
    const bool ascending = m_sortAscending.has_value() && !*m_sortAscending;
    setSortAscending(ascending);
    emit sortRequested(ascending);
}

// ---- Pointer ----

BudgetBarCell::Pointer BudgetOutlineView::pointerFor(const QModelIndex& index) const {
    const QModelIndex row = index.siblingAtColumn(0);
    BudgetBarCell::Pointer pointer;
    pointer.overCell = row.isValid() && m_mouseOverRow == row;
    pointer.overButton = row.isValid() && m_mouseOverButton == row;
    pointer.buttonPressed = pointer.overButton && m_pressedButton == row;
    return pointer;
}

QRect BudgetOutlineView::rowRectInActualColumn(const QModelIndex& index) const {
    return visualRect(index.siblingAtColumn(BudgetOutlineModel::ActualColumn));
}

QRectF BudgetOutlineView::barCellFrame(const QModelIndex& index) const {
    return BudgetOutlineMetrics::cellFrame(rowRectInActualColumn(index));
}

void BudgetOutlineView::redisplayBarCell(const QModelIndex& index) {
    if (index.isValid()) {
        viewport()->update(rowRectInActualColumn(index));
    }
}

void BudgetOutlineView::setMouseOver(const QModelIndex& row, const QModelIndex& button) {
    if (QModelIndex(m_mouseOverRow) == row && QModelIndex(m_mouseOverButton) == button) {
        return;
    }
    for (const QModelIndex& index :
         {QModelIndex(m_mouseOverRow), QModelIndex(m_mouseOverButton), row, button}) {
        redisplayBarCell(index);
    }
    m_mouseOverRow = row;
    m_mouseOverButton = button;
}

void BudgetOutlineView::updateMouseOver(const QPoint& position) {
    // Like the bars' tracking areas, the pointer counts only while the window is active.
    const QModelIndex under = isActiveWindow() ? indexAt(position) : QModelIndex();
    if (!under.isValid()) {
        setMouseOver({}, {});
        return;
    }
    const QModelIndex row = under.siblingAtColumn(0);
    const QRectF frame = barCellFrame(row);
    const bool overCell = frame.contains(position);
    const bool overButton = BudgetBarCell::buttonRectForFrame(frame).contains(position);
    setMouseOver(overCell ? row : QModelIndex(), overButton ? row : QModelIndex());
}

void BudgetOutlineView::updateTrackingAreas() {
    setMouseOver({}, {});
    if (viewport()->underMouse()) {
        updateMouseOver(viewport()->mapFromGlobal(QCursor::pos()));
    }
}

bool BudgetOutlineView::isZoomable(const QModelIndex& index) const {
    return index.isValid() && BudgetBarCell::hasZoomButton(rowType(index));
}

void BudgetOutlineView::mouseMoveEvent(QMouseEvent* event) {
    updateMouseOver(event->position().toPoint());
    QTreeView::mouseMoveEvent(event);
}

void BudgetOutlineView::mousePressEvent(QMouseEvent* event) {
    updateMouseOver(event->position().toPoint());
    if (event->button() == Qt::LeftButton && isZoomable(m_mouseOverButton)) {
        // The press goes to the outline as any other, but leaves the selection alone.
        m_pressedButton = m_mouseOverButton;
        m_shouldNotChangeSelection = true;
        redisplayBarCell(m_pressedButton);
    }
    QTreeView::mousePressEvent(event);
}

void BudgetOutlineView::mouseReleaseEvent(QMouseEvent* event) {
    const QPersistentModelIndex pressed = m_pressedButton;
    QTreeView::mouseReleaseEvent(event);
    m_shouldNotChangeSelection = false;
    m_pressedButton = QPersistentModelIndex();
    if (!pressed.isValid()) {
        return;
    }
    redisplayBarCell(pressed);
    updateMouseOver(event->position().toPoint());
    if (m_mouseOverButton == pressed) {
        emit zoomClicked(pressed);
    }
}

void BudgetOutlineView::mouseDoubleClickEvent(QMouseEvent* event) {
    updateMouseOver(event->position().toPoint());
    if (isZoomable(m_mouseOverButton)) {
        // A quick second click on a zoom button is one more press of the button.
        mousePressEvent(event);
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void BudgetOutlineView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current.isValid() &&
        rowType(current) == TrackRow::Type::Category) {
        emit editRequested(current.siblingAtColumn(0));
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool BudgetOutlineView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        setMouseOver({}, {});
    }
    return QTreeView::viewportEvent(event);
}

void BudgetOutlineView::scrollContentsBy(int dx, int dy) {
    QTreeView::scrollContentsBy(dx, dy);
    updateTrackingAreas();
}

QItemSelectionModel::SelectionFlags BudgetOutlineView::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
    if (m_shouldNotChangeSelection) {
        return QItemSelectionModel::NoUpdate;
    }
    return QTreeView::selectionCommand(index, event);
}

// ---- Drawing ----

void BudgetOutlineView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const TrackRow::Type type = rowType(index);
    const int width = std::max(viewport()->width(), header()->length());
    const bool selected = selectionModel() != nullptr && selectionModel()->isSelected(index);
    if (type == TrackRow::Type::Group && !selected) {
        painter->fillRect(QRect(0, option.rect.y() + 1, width, option.rect.height() - 2),
                          kGroupBackground);
    }
    // Rows light up only when selected: the bars show where the pointer is.
    QStyleOptionViewItem row = option;
    row.state &= ~QStyle::State_MouseOver;
    QTreeView::drawRow(painter, row, index);
    if (type != TrackRow::Type::Total) {
        painter->fillRect(QRect(0, option.rect.y() + option.rect.height() - 1, width, 1),
                          kSeparator);
    }
}

void BudgetOutlineView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    QPainter painter(viewport());
    drawScaleAndNeedle(painter);
}

QRectF BudgetOutlineView::actualColumnRect() const {
    const int column = BudgetOutlineModel::ActualColumn;
    return QRectF(columnViewportPosition(column), 0, columnWidth(column), viewport()->height());
}

QPointF BudgetOutlineView::zeroPercentPoint() const {
    const QRect total = m_model != nullptr ? rowRectInActualColumn(m_model->totalIndex()) : QRect();
    return {total.x() + 4.0, total.y() + 30.0};
}

QPointF BudgetOutlineView::hundredPercentPoint() const {
    const QRect total = m_model != nullptr ? rowRectInActualColumn(m_model->totalIndex()) : QRect();
    const qreal width = QFontMetricsF(scaleFont()).horizontalAdvance(tr("100%"));
    return {total.x() + total.width() - width - 25, total.y() + 30.0};
}

std::optional<qreal> BudgetOutlineView::needleX() const {
    if (!m_shouldDrawNeedle || m_model == nullptr || m_model->rowCount() == 0) {
        return std::nullopt;
    }
    const QRectF column = actualColumnRect();
    return BudgetBarFigures::needleX(column.x(), column.width(), m_needlePercentage);
}

void BudgetOutlineView::drawScaleAndNeedle(QPainter& painter) const {
    if (m_model == nullptr || m_model->rowCount() == 0) {
        return;
    }
    const QRect first = rowRectInActualColumn(m_model->index(0, 0));
    const QRect last = rowRectInActualColumn(m_model->totalIndex());
    painter.setFont(scaleFont());
    painter.setPen(kScale);
    const QRectF room(0, 0, 200, 20);
    painter.drawText(room.translated(zeroPercentPoint()), Qt::AlignLeft | Qt::AlignTop, tr("0%"));
    painter.drawText(room.translated(hundredPercentPoint()), Qt::AlignLeft | Qt::AlignTop,
                     tr("100%"));
    const std::optional<qreal> x = needleX();
    if (!x) {
        return;
    }
    QColor line = kScale;
    line.setAlphaF(kNeedleOpacity);
    // A one-point line centred on x, which lies on a half point: it fills whole pixels.
    const qreal top = first.y() + 4;
    painter.fillRect(QRectF(*x - 0.5, top, 1, last.y() + 35 - top), line);
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const QSizeF needle = Images::imageSize(kNeedle);
    painter.drawPixmap(QPointF(*x - needle.width() / 2, last.y() + 31),
                       Images::image(kNeedle, ratio));
}
