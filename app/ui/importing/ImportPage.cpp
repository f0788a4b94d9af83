#include "ui/importing/ImportPage.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPageWidth = 480;

}  // namespace

ImportPage::ImportPage(const QString& title, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 16);
    layout->setSpacing(10);
    m_title = new QLabel(title);
    QFont font = m_title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    m_title->setFont(font);
    layout->addWidget(m_title);
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(8);
    layout->addLayout(m_rows);
    layout->addStretch(1);
    m_buttons = new QDialogButtonBox;
    layout->addSpacing(4);
    layout->addWidget(m_buttons);
    setFixedWidth(kPageWidth);
}

QPushButton* ImportPage::addButton(const QString& text, int role) {
    return m_buttons->addButton(text, static_cast<QDialogButtonBox::ButtonRole>(role));
}

QLabel* ImportPage::wrappingLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}
