#pragma once

#include <QWidget>

// The transaction editor's background: its bounds less 2 points at top and bottom, filled with
// a light grey (232/255), edged with thin lines ("9A9A9A" above, "CCCCCC" below) and a soft
// shading outside them, so the panel reads as lying over the table's rows.
class EditView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
