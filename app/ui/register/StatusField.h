#pragma once

#include <QLabel>

// The one-line status message under the register. Clicking it sends clicked() (the main
// window switches an account's register between its ledger and reconciled balance).
class StatusField final : public QLabel {
    Q_OBJECT
public:
    explicit StatusField(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
