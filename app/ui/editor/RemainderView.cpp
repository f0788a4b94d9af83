#include "ui/editor/RemainderView.h"

#include <QLabel>
#include <QLineEdit>

#include "ledger/AmountFormatter.h"

namespace {

// As wide as a split row's amount, so that the figures line up.
constexpr int kFieldWidth = 100;

}  // namespace

RemainderView::RemainderView(int width, QWidget* parent)
    : QWidget(parent), m_remainderField(new QLineEdit(this)) {
    resize(width, kHeight);
    m_remainderField->setReadOnly(true);
    m_remainderField->setFrame(false);
    m_remainderField->setFocusPolicy(Qt::NoFocus);
    m_remainderField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_remainderField->setGeometry(0, 0, kFieldWidth, kHeight);
    QPalette fieldPalette = m_remainderField->palette();
    fieldPalette.setColor(QPalette::Base, Qt::transparent);
    fieldPalette.setColor(QPalette::Text, QColor("#B3261E"));
    m_remainderField->setPalette(fieldPalette);

    auto* label = new QLabel(tr("left over"), this);
    label->setGeometry(kFieldWidth + 4, 0, width - kFieldWidth - 4, kHeight);
    QPalette labelPalette = label->palette();
    labelPalette.setColor(QPalette::WindowText, QColor("#666666"));
    label->setPalette(labelPalette);
}

void RemainderView::setRemainder(const Decimal& remainder) {
    m_remainderField->setText(
        QString::fromStdString(AmountFormatter().stringFromDecimal(remainder)));
}
