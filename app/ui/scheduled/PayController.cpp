#include "ui/scheduled/PayController.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Alert.h"
#include "base/StringHelpers.h"
#include "scheduled/PaySheetModel.h"
#include "scheduled/ScheduledItem.h"
#include "ui/common/Alerts.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CheckNumberField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/MainWindowHost.h"
#include "ui/common/PNDatePicker.h"
#include "ui/common/UserDefaults.h"
#include "ui/scheduled/LinkButton.h"
#include "ui/scheduled/TabOrder.h"

namespace {

constexpr int kFieldWidth = 240;
constexpr int kLinkMaximumWidth = 300;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

PayController::PayController(MainWindowHost& host)
    : QDialog(&host.window()), m_host(host), m_changes(host.context()) {
    setWindowTitle(tr("Pay"));
    buildWidgets();
    connect(this, &QDialog::finished, this, [this](int code) { sheetDidEnd(code); });
}

PayController::~PayController() = default;

void PayController::buildWidgets() {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->addWidget(buildTitleArea());
    layout->addSpacing(10);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_date = new PNDatePicker;
    m_amount = new CurrencyField;
    m_checkNumber = new CheckNumberField;
    m_category = new CategoryField;
    m_notes = new QLineEdit;
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_date, m_amount, m_checkNumber, m_category, m_notes}) {
        field->setFixedWidth(kFieldWidth);
    }
    m_checkNumber->setFixedWidth(110);
    m_date->setFixedWidth(150);
    form->addRow(tr("Date:"), m_date);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Check Number:"), m_checkNumber);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Notes:"), m_notes);
    layout->addLayout(form);
    layout->addSpacing(12);

    auto* buttons = new QHBoxLayout;
    m_cancel = new QPushButton(tr("Cancel"));
    m_confirm = new QPushButton;
    m_confirm->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_confirm);
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, [this] { cancel(); });
    connect(m_confirm, &QPushButton::clicked, this, [this] { okay(); });
    setTabChain({m_date, m_amount->amountField(), m_checkNumber, m_category->textField(), m_notes,
                 m_cancel, m_confirm});
}

QWidget* PayController::buildTitleArea() {
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    m_heading = new QLabel;
    QFont headingFont = m_heading->font();
    headingFont.setPixelSize(15);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    m_heading->setTextFormat(Qt::PlainText);
    m_due = new QLabel;
    m_due->setTextFormat(Qt::PlainText);
    m_due->setForegroundRole(QPalette::PlaceholderText);
    top->addWidget(m_heading, 1);
    top->addSpacing(16);
    top->addWidget(m_due, 0, Qt::AlignRight | Qt::AlignBottom);
    layout->addLayout(top);

    m_linkRow = new QWidget;
    auto* linkLayout = new QHBoxLayout(m_linkRow);
    linkLayout->setContentsMargins(0, 4, 0, 0);
    linkLayout->addWidget(new QLabel(tr("Pay online at:")));
    m_link = new LinkButton;
    m_link->setMaximumWidth(kLinkMaximumWidth);
    linkLayout->addWidget(m_link);
    linkLayout->addStretch();
    layout->addWidget(m_linkRow);

    m_instructions = new QLabel;
    m_instructions->setTextFormat(Qt::PlainText);
    m_instructions->setWordWrap(true);
    m_instructions->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_instructions->setFrameShape(QFrame::StyledPanel);
    m_instructions->setMargin(8);
    m_instructions->setFixedWidth(360);
    m_instructions->setAutoFillBackground(true);
    QPalette note = m_instructions->palette();
    note.setColor(QPalette::Window, QColor(QStringLiteral("#FBF7E4")));
    note.setColor(QPalette::WindowText, QColor(QStringLiteral("#3B3520")));
    m_instructions->setPalette(note);
    layout->addSpacing(4);
    layout->addWidget(m_instructions);
    return area;
}

void PayController::fillTitleArea() {
    m_heading->setText(qt(m_model->heading()));
    m_due->setText(qt(m_model->dueLabel()));
    const PaySheetModel::TitleArea area = m_model->titleArea();
    m_linkRow->setVisible(area == PaySheetModel::TitleArea::Link);
    m_instructions->setVisible(area == PaySheetModel::TitleArea::Instructions);
    m_link->setText(qt(m_model->linkTitle()));
    m_link->setUrl(area == PaySheetModel::TitleArea::Link ? QUrl(qt(m_model->linkURL())) : QUrl());
    m_link->updateGeometry();
    m_instructions->setText(qt(m_model->instructions()));
}

void PayController::showSheetForItem(ScheduledItem& item) {
    m_model = std::make_unique<PaySheetModel>(item);
    ObjectContext& context = *item.managedObjectContext();
    fillTitleArea();
    m_date->setDateValue(m_model->date());
    m_amount->setCurrency(context, m_model->amountCurrency());
    m_amount->amountField()->setShouldAssumeSign(m_model->assumesNegativeAmount());
    m_amount->amountField()->setValue(m_model->amount());
    m_checkNumber->setCheckNumber(std::nullopt);
    m_category->setContext(context);
    m_category->setCategoryValue(m_model->category());
    m_notes->setText(qt(m_model->notes().value_or(std::string())));
    m_confirm->setText(qt(m_model->verb()));
    setWindowTitle(qt(m_model->heading()));
    m_changes.begin();
    open();
    m_amount->amountField()->setFocus(Qt::OtherFocusReason);
}

ScheduledItem* PayController::item() const {
    return m_model ? &m_model->item() : nullptr;
}

void PayController::okay() {
    if (!m_model) {
        return;
    }
    m_amount->amountField()->commitEditing();
    m_category->commitEditing();
    if (!m_host.alerts().mayProceed(m_model->checkConfirm(m_amount->amountField()->value()),
                                    this)) {
        m_amount->amountField()->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_changes.keep(m_host.alerts(), this)) {
        return;
    }
    done(1);
}

void PayController::cancel() {
    done(0);
}

std::optional<Alert> PayController::pay() {
    const Decimal amount = m_amount->amountField()->amount();
    std::optional<Alert> notice;
    if (m_host.defaults().boolForKey(DefaultsKeys::kShouldShowPaymentNotice)) {
        notice = m_model->notice(amount);
    }
    const std::string notes = m_notes->text().toStdString();
    m_model->pay(m_date->dateValue(), amount, m_category->categoryValue(),
                 isBlank_pn(notes) ? std::nullopt : std::optional<std::string>(notes),
                 m_checkNumber->checkNumber());
    m_host.save();
    return notice;
}

void PayController::sheetDidEnd(int returnCode) {
    if (returnCode != 1) {
        m_changes.takeBack();
    }
    if (!m_model) {
        return;
    }
    std::optional<Alert> notice;
    if (returnCode == 1) {
        notice = pay();
    }
    // The item may be gone after its last occurrence.
    m_model.reset();
    emit sheetEnded(returnCode == 1);
    if (notice) {
        showNotice(*notice);
    }
}

void PayController::showNotice(const Alert& notice) {
    AlertContent content = AlertContent::from(notice);
    content.suppressionText = tr("Do not show this message again");
    const AlertAnswer answer = m_host.alerts().run(content, &m_host.window());
    if (answer.suppressed) {
        m_host.defaults().setBool(DefaultsKeys::kShouldShowPaymentNotice, false);
    }
}

void PayController::keyPressEvent(QKeyEvent* event) {
    if (!m_category->takeReturn(event, focusWidget())) {
        QDialog::keyPressEvent(event);
    }
}
