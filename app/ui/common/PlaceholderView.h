#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A plain coloured view for a page that has nothing to show, optionally with one centred
// line of text (used for content views that this version does not offer yet).
class PlaceholderView final : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderView(QWidget* parent = nullptr);

    // Red when created.
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    // A brush to fill with instead of the colour (a pattern image).
    void setPattern(const QPixmap& pattern);
    QString text() const { return m_text; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = Qt::red;
    QPixmap m_pattern;
    QString m_text;
};
