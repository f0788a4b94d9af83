#include "ui/register/TransactionsTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/register/RegisterModel.h"

TransactionsTable::TransactionsTable(QWidget* parent) : QAbstractItemView(parent) {
    m_header = new QHeaderView(Qt::Horizontal, this);
    m_header->setSectionsClickable(false);
    m_header->setHighlightSections(false);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerPixel);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    connect(m_header, &QHeaderView::sectionResized, this, [this] {
        viewport()->update();
        placePanel();
    });
}

void TransactionsTable::setRowHeightFunction(std::function<int(int)> rowHeight) {
    m_rowHeight = std::move(rowHeight);
}

void TransactionsTable::setModel(QAbstractItemModel* model) {
    if (this->model() != nullptr) {
        disconnect(this->model(), &QAbstractItemModel::rowsMoved, this, nullptr);
    }
    m_registerModel = qobject_cast<RegisterModel*>(model);
    QAbstractItemView::setModel(model);
    m_header->setModel(model);
    if (model != nullptr) {
        connect(model, &QAbstractItemModel::rowsMoved, this,
                [this](const QModelIndex&, int start, int, const QModelIndex&, int destination) {
                    rowsMoved(start, destination);
                });
    }
    measureAllRows();
    updateGeometries();
}

void TransactionsTable::setColumnHidden(int column, bool hidden) {
    m_header->setSectionHidden(column, hidden);
    fitYieldingColumn();
    viewport()->update();
}

bool TransactionsTable::isColumnHidden(int column) const {
    return m_header->isSectionHidden(column);
}

// ---- Row geometry ----

void TransactionsTable::measureAllRows() {
    const int count = model() != nullptr ? model()->rowCount() : 0;
    m_heights.resize(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        m_heights[static_cast<std::size_t>(row)] = m_rowHeight ? m_rowHeight(row) : 24;
    }
    updateTopsFrom(0);
}

void TransactionsTable::measureRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_heights.size())) {
        return;
    }
    const int height = row == m_panelRow && m_panel ? m_panel->height()
                       : m_rowHeight                ? m_rowHeight(row)
                                                    : 24;
    if (m_heights[static_cast<std::size_t>(row)] == height) {
        return;
    }
    m_heights[static_cast<std::size_t>(row)] = height;
    updateTopsFrom(row);
    updateGeometries();
    viewport()->update();
}

void TransactionsTable::updateTopsFrom(int row) {
    const std::size_t count = m_heights.size();
    m_tops.resize(count + 1);
    m_tops[0] = 0;
    for (std::size_t r = static_cast<std::size_t>(std::max(row, 0)); r < count; ++r) {
        m_tops[r + 1] = m_tops[r] + m_heights[r];
    }
}

int TransactionsTable::rowAt(int y) const {
    const int content = y + verticalOffset();
    if (content < 0 || content >= totalHeight()) {
        return -1;
    }
    const auto after = std::upper_bound(m_tops.begin(), m_tops.end(), content);
    return static_cast<int>(after - m_tops.begin()) - 1;
}

int TransactionsTable::rowHeight(int row) const {
    return row >= 0 && row < static_cast<int>(m_heights.size())
               ? m_heights[static_cast<std::size_t>(row)]
               : 0;
}

QRect TransactionsTable::rowRect(int row) const {
    if (row < 0 || row >= static_cast<int>(m_heights.size())) {
        return {};
    }
    return QRect(0, m_tops[static_cast<std::size_t>(row)] - verticalOffset(), viewport()->width(),
                 m_heights[static_cast<std::size_t>(row)]);
}

void TransactionsTable::scrollRowTo(int row, int y) {
    if (row >= 0 && row < static_cast<int>(m_heights.size())) {
        verticalScrollBar()->setValue(m_tops[static_cast<std::size_t>(row)] - y);
    }
}

QRect TransactionsTable::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || m_header->isSectionHidden(index.column())) {
        return {};
    }
    const QRect row = rowRect(index.row());
    return QRect(m_header->sectionViewportPosition(index.column()), row.top(),
                 m_header->sectionSize(index.column()), row.height());
}

QModelIndex TransactionsTable::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    const int column = m_header->logicalIndexAt(point.x());
    if (row < 0 || column < 0 || model() == nullptr) {
        return {};
    }
    return model()->index(row, column);
}

void TransactionsTable::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const QRect rect = rowRect(index.row());
    if (!rect.isValid()) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int height = viewport()->height();
    switch (hint) {
        case PositionAtTop:
            bar->setValue(bar->value() + rect.top());
            break;
        case PositionAtBottom:
            bar->setValue(bar->value() + rect.bottom() + 1 - height);
            break;
        case PositionAtCenter:
            bar->setValue(bar->value() + rect.center().y() - height / 2);
            break;
        case EnsureVisible:
            if (rect.top() < 0 || rect.height() > height) {
                bar->setValue(bar->value() + rect.top());
            } else if (rect.bottom() >= height) {
                bar->setValue(bar->value() + rect.bottom() + 1 - height);
            }
            break;
    }
}

QModelIndex TransactionsTable::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int count = static_cast<int>(m_heights.size());
    if (count == 0 || model() == nullptr) {
        return {};
    }
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : -1;
    const int page = viewport()->height();
    switch (cursorAction) {
        case MoveUp:
        case MovePrevious:
            row = row < 0 ? 0 : row - 1;
            break;
        case MoveDown:
        case MoveNext:
            row = row + 1;
            break;
        case MovePageUp:
            row = row < 0 ? 0 : rowAt(std::max(rowRect(row).top() - page, -verticalOffset()));
            break;
        case MovePageDown: {
            const int below = rowAt(rowRect(std::max(row, 0)).top() + page);
            row = below < 0 ? count - 1 : below;
            break;
        }
        case MoveHome:
            row = 0;
            break;
        case MoveEnd:
            row = count - 1;
            break;
        default:
            break;
    }
    row = std::clamp(row, 0, count - 1);
    const int column = current.isValid() ? current.column() : RegisterModel::DescriptionColumn;
    return model()->index(row, column);
}

int TransactionsTable::horizontalOffset() const {
    return 0;
}

int TransactionsTable::verticalOffset() const {
    return verticalScrollBar()->value();
}

bool TransactionsTable::isIndexHidden(const QModelIndex& index) const {
    return m_header->isSectionHidden(index.column());
}

void TransactionsTable::setSelection(const QRect& rect,
                                     QItemSelectionModel::SelectionFlags command) {
    if (model() == nullptr || m_heights.empty()) {
        return;
    }
    const QRect area = rect.normalized();
    int first = rowAt(area.top());
    int last = rowAt(area.bottom());
    if (first < 0 && last < 0) {
        return;
    }
    first = first < 0 ? 0 : first;
    last = last < 0 ? static_cast<int>(m_heights.size()) - 1 : last;
    const QItemSelection selection(model()->index(first, 0),
                                   model()->index(last, model()->columnCount() - 1));
    selectionModel()->select(selection, command | QItemSelectionModel::Rows);
}

QRegion TransactionsTable::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect top = rowRect(range.top());
        const QRect bottom = rowRect(range.bottom());
        region += QRect(0, top.top(), viewport()->width(), bottom.bottom() - top.top() + 1);
    }
    return region;
}

void TransactionsTable::updateGeometries() {
    const int headerHeight = m_header->isHidden() ? 0 : m_header->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    m_header->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(fontMetrics().height() * 2);
    bar->setRange(0, std::max(0, totalHeight() - viewport()->height()));
    QAbstractItemView::updateGeometries();
    placePanel();
}

void TransactionsTable::resizeEvent(QResizeEvent* event) {
    QAbstractItemView::resizeEvent(event);
    fitYieldingColumn();
    updateGeometries();
}

void TransactionsTable::setYieldingColumn(int column, int preferredWidth) {
    m_yieldingColumn = column;
    m_yieldingPreferredWidth = preferredWidth;
    connect(m_header, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == m_yieldingColumn && !m_fittingColumns) {
            m_yieldingPreferredWidth = size;
        }
    });
    fitYieldingColumn();
}

void TransactionsTable::fitYieldingColumn() {
    if (m_yieldingColumn < 0) {
        return;
    }
    int others = 0;
    for (int section = 0; section < m_header->count(); ++section) {
        if (section != m_yieldingColumn && !m_header->isSectionHidden(section) &&
            m_header->sectionResizeMode(section) != QHeaderView::Stretch) {
            others += m_header->sectionSize(section);
        }
    }
    const int shared = viewport()->width() - others;
    const int width =
        std::max(m_header->minimumSectionSize(), std::min(m_yieldingPreferredWidth, shared / 2));
    if (width != m_header->sectionSize(m_yieldingColumn)) {
        m_fittingColumns = true;
        m_header->resizeSection(m_yieldingColumn, width);
        m_fittingColumns = false;
    }
}

void TransactionsTable::scrollContentsBy(int dx, int dy) {
    m_header->setOffset(horizontalOffset());
    viewport()->scroll(dx, dy);
    if (viewport()->underMouse()) {
        trackFlagAt(viewport()->mapFromGlobal(QCursor::pos()));
    }
}

// ---- Painting ----

QStyleOptionViewItem TransactionsTable::cellOption(const QModelIndex& index,
                                                   bool rowSelected) const {
    QStyleOptionViewItem option;
    const_cast<TransactionsTable*>(this)->initViewItemOption(&option);
    option.rect = visualRect(index);
    option.state = QStyle::State_Enabled;
    if (rowSelected) {
        option.state |= QStyle::State_Selected;
    }
    // Highlighted: selected in the focused table of the active window.
    if (hasFocus() && isActiveWindow()) {
        option.state |= QStyle::State_Active;
    }
    return option;
}

void TransactionsTable::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    painter.fillRect(dirty, palette().color(QPalette::Base));
    if (model() == nullptr || m_heights.empty()) {
        return;
    }
    const bool active = hasFocus() && isActiveWindow();
    const QColor selectedBackground =
        active ? palette().color(QPalette::Active, QPalette::Highlight) : QColor("#DCDCDC");
    const int first = std::max(rowAt(dirty.top()), 0);
    const int count = static_cast<int>(m_heights.size());
    for (int row = first; row < count; ++row) {
        const QRect rect = rowRect(row);
        if (rect.top() > dirty.bottom()) {
            break;
        }
        if (row == m_panelRow && m_panel) {
            continue;
        }
        const bool selected = selectionModel()->isRowSelected(row, QModelIndex());
        if (selected) {
            painter.fillRect(rect, selectedBackground);
        }
        painter.setPen(QColor("#E6E6E6"));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        for (int visual = 0; visual < m_header->count(); ++visual) {
            const int column = m_header->logicalIndex(visual);
            if (m_header->isSectionHidden(column)) {
                continue;
            }
            const QModelIndex index = model()->index(row, column);
            itemDelegateForIndex(index)->paint(&painter, cellOption(index, selected), index);
        }
    }
}

// ---- Mouse and keys ----

void TransactionsTable::setMouseOverFlag(int row) {
    if (row == m_mouseOverFlag) {
        return;
    }
    m_mouseOverFlag = row;
    if (m_registerModel != nullptr) {
        m_registerModel->setMouseOverFlagRow(row);
    }
}

void TransactionsTable::trackFlagAt(const QPoint& position) {
    const QModelIndex index = indexAt(position);
    const bool overFlag =
        index.isValid() && index.column() == RegisterModel::FlagColumn && index.row() != m_panelRow;
    setMouseOverFlag(overFlag ? index.row() : -1);
}

void TransactionsTable::mouseMoveEvent(QMouseEvent* event) {
    trackFlagAt(event->position().toPoint());
    QAbstractItemView::mouseMoveEvent(event);
}

void TransactionsTable::leaveEvent(QEvent* event) {
    setMouseOverFlag(-1);
    QAbstractItemView::leaveEvent(event);
}

bool TransactionsTable::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        setMouseOverFlag(-1);
    }
    return QAbstractItemView::viewportEvent(event);
}

void TransactionsTable::mousePressEvent(QMouseEvent* event) {
    trackFlagAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_mouseOverFlag >= 0) {
        emit flagClicked(m_mouseOverFlag);
        event->accept();
        return;
    }
    QAbstractItemView::mousePressEvent(event);
}

void TransactionsTable::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == RegisterModel::FlagColumn) {
        mousePressEvent(event);
        return;
    }
    QAbstractItemView::mouseDoubleClickEvent(event);
    if (index.isValid()) {
        emit rowDoubleClicked(index.row());
    }
}

void TransactionsTable::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit returnPressed();
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            emit deletePressed();
            return;
        case Qt::Key_Escape:
            emit escapePressed();
            return;
        default:
            QAbstractItemView::keyPressEvent(event);
    }
}

// ---- The row panel ----

void TransactionsTable::openRowPanel(int row, QWidget* panel) {
    closeRowPanel();
    m_panel = panel;
    m_panelRow = row;
    panel->setParent(viewport());
    panel->installEventFilter(this);
    setMouseOverFlag(-1);
    measureRow(row);
    placePanel();
    panel->show();
    panel->raise();
}

void TransactionsTable::closeRowPanel() {
    if (!m_panel) {
        m_panelRow = -1;
        return;
    }
    m_panel->removeEventFilter(this);
    m_panel->hide();
    const int row = m_panelRow;
    m_panelRow = -1;
    m_panel = nullptr;
    measureRow(row);
    viewport()->update();
}

void TransactionsTable::setRowUnderPanel(int row) {
    m_panelRow = row;
    placePanel();
}

void TransactionsTable::placePanel() {
    if (!m_panel || m_panelRow < 0) {
        return;
    }
    const QRect rect = rowRect(m_panelRow);
    m_panel->setGeometry(rect.left(), rect.top(), viewport()->width(), m_panel->height());
}

bool TransactionsTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::Resize) {
        measureRow(m_panelRow);
        placePanel();
    }
    return QAbstractItemView::eventFilter(watched, event);
}

// ---- Model changes ----

void TransactionsTable::reset() {
    QAbstractItemView::reset();
    m_mouseOverFlag = -1;
    measureAllRows();
    updateGeometries();
    viewport()->update();
}

void TransactionsTable::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                    const QList<int>& roles) {
    const bool flagOnly = roles.size() == 1 && roles.front() == RegisterModel::FlagImageRole;
    if (!flagOnly) {
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
            measureRow(row);
        }
    }
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    viewport()->update();
}

void TransactionsTable::rowsInserted(const QModelIndex& parent, int start, int end) {
    m_heights.insert(m_heights.begin() + start, static_cast<std::size_t>(end - start + 1), 0);
    for (int row = start; row <= end; ++row) {
        m_heights[static_cast<std::size_t>(row)] = m_rowHeight ? m_rowHeight(row) : 24;
    }
    if (m_panelRow >= start) {
        m_panelRow += end - start + 1;
    }
    updateTopsFrom(start);
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
}

void TransactionsTable::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    m_heights.erase(m_heights.begin() + start, m_heights.begin() + end + 1);
    if (m_panelRow > end) {
        m_panelRow -= end - start + 1;
    } else if (m_panelRow >= start) {
        m_panelRow = -1;
    }
    m_mouseOverFlag = -1;
    updateTopsFrom(start);
    updateGeometries();
}

void TransactionsTable::rowsMoved(int start, int destination) {
    // `destination` counts the rows before the move.
    const int to = destination > start ? destination - 1 : destination;
    const auto from = m_heights.begin() + start;
    const auto target = m_heights.begin() + to;
    if (to > start) {
        std::rotate(from, from + 1, target + 1);
    } else {
        std::rotate(target, from, from + 1);
    }
    if (m_panelRow == start) {
        m_panelRow = to;
    } else if (m_panelRow > start && m_panelRow <= to) {
        --m_panelRow;
    } else if (m_panelRow >= to && m_panelRow < start) {
        ++m_panelRow;
    }
    updateTopsFrom(std::min(start, to));
    updateGeometries();
    viewport()->update();
}
