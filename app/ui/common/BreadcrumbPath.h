#pragma once

#include <QFont>
#include <QRectF>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/common/Breadcrumb.h"

// A strip of breadcrumbs showing where a drill-down stands: the first crumb is the root level,
// the last (in bold) the current one, and every crumb but the last is a link back to its level
// (pointing-hand cursor). Clicking a link removes the crumbs after it and emits crumbClicked.
class BreadcrumbPath final : public QWidget {
    Q_OBJECT
public:
    explicit BreadcrumbPath(QWidget* parent = nullptr);

    const std::vector<Breadcrumb>& crumbs() const { return m_crumbs; }
    void addBreadcrumb(const QString& name, const QVariant& representedObject);
    // Keeps only the first crumb. REQUIRES: there is one (AssertionFailure otherwise).
    void resetToRoot();
    void clearCrumbs();

    // What is drawn: each text, its top-left point, and whether it is a link.
    struct Record final {
        QPointF topLeft;
        QString text;
        QFont font;
        QColor color;
    };
    const std::vector<Record>& records() const { return m_records; }
    // The link rectangle of crumb i; none for the last crumb.
    std::optional<QRectF> linkRect(std::size_t index) const;
    // The crumb under the pointer, if any.
    std::optional<std::size_t> currentCrumb() const { return m_currentCrumb; }

    QSize sizeHint() const override;

signals:
    void crumbClicked(std::size_t index, const Breadcrumb& crumb);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Lays the crumbs out into records and link rectangles.
    void render();
    void updateCurrentCrumb(const QPointF& position);

    std::vector<Breadcrumb> m_crumbs;
    std::vector<Record> m_records;
    std::vector<std::pair<std::size_t, QRectF>> m_links;
    std::optional<std::size_t> m_currentCrumb;
};
