#pragma once

#include <QList>
#include <QWidget>

// Sets the keyboard focus chain to follow `chain`, in order.
inline void setTabChain(const QList<QWidget*>& chain) {
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}
