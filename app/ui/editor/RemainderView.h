#pragma once

#include <QWidget>

#include "base/Decimal.h"

class QLineEdit;

// The part of a split transaction's amount that no split row holds, shown under the rows with
// its amount lined up with theirs.
class RemainderView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 17;

    explicit RemainderView(int width, QWidget* parent = nullptr);

    void setRemainder(const Decimal& remainder);
    QLineEdit* remainderField() const { return m_remainderField; }

private:
    QLineEdit* m_remainderField = nullptr;
};
