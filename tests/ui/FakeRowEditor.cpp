#include "FakeRowEditor.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "ledger/Transaction.h"

FakeRowEditor::FakeRowEditor(QWidget* parent) : RowEditor(parent) {
    setFixedHeight(120);
    setFocusPolicy(Qt::StrongFocus);
    m_label = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(m_label);
    layout->addStretch();
}

void FakeRowEditor::beginEditing(Transaction& transaction, bool isAdding, bool showsAccountRow) {
    m_transaction = &transaction;
    wasAdding = isAdding;
    showedAccountRow = showsAccountRow;
    m_label->setText(
        tr("Stand-in editor: %1").arg(QString::fromUtf8(transaction.title().value_or("(new)"))));
}

void FakeRowEditor::writeFieldsToTransaction() {
    PN_ASSERT(m_transaction != nullptr, "Nothing is being edited");
    ++writes;
    if (edit) {
        edit(*m_transaction);
    }
}

void FakeRowEditor::endEditing() {
    m_transaction = nullptr;
    m_label->clear();
}

void FakeRowEditor::focusFirstField() {
    setFocus();
}

void FakeRowEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect().adjusted(0, 2, 0, -2), QColor(232, 232, 232));
    painter.setPen(QColor("#9A9A9A"));
    painter.drawLine(0, 2, width(), 2);
    painter.setPen(QColor("#CCCCCC"));
    painter.drawLine(0, height() - 3, width(), height() - 3);
}
