#pragma once

#include <QAbstractButton>
#include <QUrl>

// A web address shown as a link: blue underlined text that opens `url` in the person's browser
// (through UrlOpener) when clicked. The pointer becomes a pointing hand over it. It is as wide
// as its title needs, never wider than its maximum width (the title is then cut short).
class LinkButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit LinkButton(QWidget* parent = nullptr);

    QUrl url() const { return m_url; }
    void setUrl(const QUrl& url) { m_url = url; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QUrl m_url;
};
