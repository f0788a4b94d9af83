#include "ui/accounts/AccountSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/Global.h"
#include "store/ObjectContext.h"
#include "ui/common/AmountField.h"

namespace {

QDate toQDate(Date date) {
    return QDate(date.year_PN(), date.month_PN(), date.day_pn());
}

Date fromQDate(QDate date) {
    return Date::dateWithYear_PN(date.year(), date.month(), date.day());
}

QString homeCurrencyName(const std::string& code) {
    try {
        return QString::fromStdString(
            CurrencyExchange::nameForCurrencyCode(code, CurrenciesFile::defaultPath()));
    } catch (const std::exception&) {
        // A broken currencies file still lets the user pick the home currency.
        return QString::fromStdString(code);
    }
}

}  // namespace

AccountSheet::AccountSheet(Kind kind, QWidget* parent) : QDialog(parent), m_kind(kind) {
    setObjectName(kind == Kind::New ? QStringLiteral("NewAccountSheet")
                                    : QStringLiteral("EditAccountSheet"));
    setWindowTitle(kind == Kind::New ? tr("New Account") : tr("Edit Account"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 14);
    auto* title = new QLabel(kind == Kind::New ? tr("Add a new account") : tr("Edit account"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title->setFont(font);
    layout->addWidget(title);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    m_name = new QLineEdit;
    m_name->setMinimumWidth(240);
    m_type = new QComboBox;
    for (const std::string& typeTitle : AccountSheetFields::typeTitles()) {
        m_type->addItem(tr(typeTitle.c_str()));
    }
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] { typeChanged(); });
    m_currency = new QComboBox;
    m_currency->setMaxVisibleItems(16);
    m_balance = new AmountField;
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Type:"), m_type);
    form->addRow(tr("Currency:"), m_currency);
    form->addRow(tr("Start balance:"), m_balance);
    if (kind == Kind::New) {
        m_date = new QDateEdit;
        m_date->setCalendarPopup(true);
        m_date->setDisplayFormat(QStringLiteral("d MMM yyyy"));
        form->addRow(tr("Balance on:"), m_date);
    } else {
        m_closed = new QCheckBox(tr("This account is closed"));
        form->addRow(QString(), m_closed);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(kind == Kind::New ? tr("Create") : tr("Save"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { done(1); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(0); });
    layout->addSpacing(6);
    layout->addWidget(buttons);
}

void AccountSheet::setup(ObjectContext& context, const AccountSheetFields& fields) {
    m_original = fields;
    const std::string home = Global::sharedInstanceInContext(context)->homeCurrency();
    std::vector<Currency*> currencies = Currency::allInContext(context);
    std::sort(currencies.begin(), currencies.end(), [](const Currency* a, const Currency* b) {
        return QString::fromStdString(a->name()).localeAwareCompare(
                   QString::fromStdString(b->name())) < 0;
    });
    m_currencies = {nullptr};
    m_currencies.insert(m_currencies.end(), currencies.begin(), currencies.end());
    m_currency->clear();
    m_currency->addItem(homeCurrencyName(home));
    for (const Currency* currency : currencies) {
        m_currency->addItem(QString::fromStdString(currency->name()));
    }
    const auto chosen = std::find(m_currencies.begin(), m_currencies.end(), fields.currency);
    m_currency->setCurrentIndex(chosen == m_currencies.end() ? 0
                                                             : int(chosen - m_currencies.begin()));
    m_name->setText(QString::fromStdString(fields.name));
    m_type->setCurrentIndex(fields.typeIndex);
    typeChanged();
    m_balance->setCurrencyCode(fields.currency != nullptr ? fields.currency->code() : home);
    if (m_kind == Kind::New) {
        m_balance->setValue(std::nullopt);
        m_date->setDate(toQDate(fields.startBalanceDate));
    } else {
        m_balance->setValue(fields.startBalance);
        m_closed->setChecked(fields.isClosed);
    }
    m_name->setFocus();
    m_name->selectAll();
}

void AccountSheet::typeChanged() {
    // A credit card's balance is what is owed: the amount is entered as negative.
    m_balance->setShouldAssumeSign(m_type->currentIndex() == 2);
}

AccountSheetFields AccountSheet::fields() const {
    AccountSheetFields fields = m_original;
    fields.name = m_name->text().toStdString();
    fields.typeIndex = m_type->currentIndex();
    const int currency = m_currency->currentIndex();
    fields.currency = currency >= 0 && currency < int(m_currencies.size())
                          ? m_currencies[std::size_t(currency)]
                          : nullptr;
    fields.startBalance = m_balance->amount();
    if (m_date != nullptr) {
        fields.startBalanceDate = fromQDate(m_date->date());
    }
    if (m_closed != nullptr) {
        fields.isClosed = m_closed->isChecked();
    }
    return fields;
}
