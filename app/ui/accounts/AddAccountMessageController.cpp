#include "ui/accounts/AddAccountMessageController.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Images.h"
#include "ui/common/PlaceholderView.h"

namespace {

constexpr int kPanelWidth = 380;

}  // namespace

AddAccountMessageController::AddAccountMessageController() : m_view(new PlaceholderView) {
    m_view->setPattern(Images::pixmap(QStringLiteral("welcomePattern"), 16, 1.0));
    auto* outer = new QVBoxLayout(m_view);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("addAccountPanel"));
    panel->setStyleSheet(QStringLiteral(
        "#addAccountPanel { background: white; border: 1px solid #C9CDD2; border-radius: 8px; }"));
    panel->setFixedWidth(kPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 20, 24, 20);
    auto* title = new QLabel(tr("You have no accounts yet"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    title->setFont(font);
    auto* text =
        new QLabel(tr("Add your checking, savings or credit card account, or the cash "
                      "in your wallet, to start keeping your transactions."));
    text->setWordWrap(true);
    // Centred layouts ask for the size hint, which a wrapped label gets wrong.
    text->setFixedHeight(text->heightForWidth(kPanelWidth - 48));
    auto* button = new QPushButton(tr("Add Account..."));
    connect(button, &QPushButton::clicked, this, &AddAccountMessageController::addAccountRequested);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(button, 0, Qt::AlignLeft);
    outer->addStretch();
    outer->addWidget(panel, 0, Qt::AlignHCenter);
    outer->addStretch();
}

AddAccountMessageController::~AddAccountMessageController() {
    delete m_view.data();
}

QWidget* AddAccountMessageController::view() {
    return m_view;
}
