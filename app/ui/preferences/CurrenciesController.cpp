#include "ui/preferences/CurrenciesController.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "ledger/Currency.h"
#include "ledger/HomeCurrencyChoice.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"
#include "ui/common/BulkChangeSnapshot.h"
#include "ui/common/Images.h"
#include "ui/preferences/CurrenciesModel.h"

CurrenciesController::CurrenciesController(ObjectContext& context, std::function<bool()> save,
                                           std::string currenciesFile)
    : m_context(context), m_save(std::move(save)), m_currenciesFile(std::move(currenciesFile)) {
    buildView();
    resetHomeCurrencySettings();
    NotificationCenter& center = NotificationCenter::defaultCenter();
    m_undoObserver =
        center.observe(kUndoManagerDidUndoChange, [this](auto&) { resetHomeCurrencySettings(); });
    m_redoObserver =
        center.observe(kUndoManagerDidRedoChange, [this](auto&) { resetHomeCurrencySettings(); });
}

CurrenciesController::~CurrenciesController() = default;

QString CurrenciesController::title() const {
    return tr("Currencies");
}

QIcon CurrenciesController::image() const {
    return Images::icon(QStringLiteral("currencyIcon"));
}

QWidget* CurrenciesController::view() {
    return m_view.get();
}

void CurrenciesController::buildView() {
    m_view = std::make_unique<QWidget>();
    m_view->setMinimumSize(480, 400);
    m_model = new CurrenciesModel(m_context, m_view.get());

    auto* menuLabel = new QLabel(tr("Home currency:"), m_view.get());
    m_homeCurrencyMenu = new QComboBox(m_view.get());
    m_homeCurrencyMenu->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_homeCurrencyMenu->setMaxVisibleItems(20);
    menuLabel->setBuddy(m_homeCurrencyMenu);
    m_homeCurrencyMenu->installEventFilter(this);
    connect(m_homeCurrencyMenu, &QComboBox::activated, this,
            &CurrenciesController::switchHomeCurrency);
    auto* note = new QLabel(
        tr("Totals over several accounts are shown in the home currency. Amounts stored in "
           "accounts are never converted."),
        m_view.get());
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);

    m_tableView = new QTableView(m_view.get());
    m_tableView->setModel(m_model);
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableView->setAlternatingRowColors(true);
    m_tableView->setShowGrid(false);
    m_tableView->setWordWrap(false);
    m_tableView->verticalHeader()->hide();
    m_tableView->verticalHeader()->setDefaultSectionSize(m_tableView->fontMetrics().height() + 6);
    QHeaderView* header = m_tableView->horizontalHeader();
    header->setSectionResizeMode(CurrenciesModel::NameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CurrenciesModel::CodeColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(CurrenciesModel::RateColumn, QHeaderView::Fixed);

    auto* menuRow = new QHBoxLayout;
    menuRow->addWidget(menuLabel);
    menuRow->addWidget(m_homeCurrencyMenu);
    menuRow->addStretch();
    auto* layout = new QVBoxLayout(m_view.get());
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(menuRow);
    layout->addWidget(note);
    layout->addWidget(m_tableView);
}

bool CurrenciesController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_homeCurrencyMenu) {
        return PreferencesModule::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Wheel) {
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool choosing = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                              key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown ||
                              key->key() == Qt::Key_Home || key->key() == Qt::Key_End ||
                              (!key->text().isEmpty() && key->text().at(0).isPrint());
        if (choosing) {
            m_homeCurrencyMenu->showPopup();
            return true;
        }
    }
    return false;
}

void CurrenciesController::resetHomeCurrencySettings() {
    m_model->reload();
    // Fitted to the new rates and header, with room between the columns.
    for (const int column : {CurrenciesModel::CodeColumn, CurrenciesModel::RateColumn}) {
        m_tableView->resizeColumnToContents(column);
        m_tableView->setColumnWidth(column, m_tableView->columnWidth(column) + 18);
    }
    const QSignalBlocker blocker(m_homeCurrencyMenu);
    m_homeCurrencyMenu->clear();
    m_homeCurrencyMenu->addItem(
        QString::fromStdString(HomeCurrencyChoice::homeCurrencyName(m_context, m_currenciesFile)));
    for (const Currency* currency : m_model->currencies()) {
        m_homeCurrencyMenu->addItem(QString::fromStdString(currency->name()));
    }
    m_homeCurrencyMenu->setCurrentIndex(0);
}

void CurrenciesController::switchHomeCurrency(int menuIndex) {
    // The menu lists the table's currencies after the home currency's own item.
    Currency* chosen = m_model->currencyAt(menuIndex - 1);
    bool changed = false;
    BulkChangeSnapshot::before(SnapshotReason::HomeCurrency);
    try {
        UndoGrouping grouping(m_context.undoManager());
        changed = HomeCurrencyChoice::switchHomeCurrency(chosen, m_context, m_currenciesFile);
    } catch (...) {
        // A currencies file that does not match the store changed nothing; show the home again.
        resetHomeCurrencySettings();
        throw;
    }
    resetHomeCurrencySettings();
    if (changed) {
        m_save();
        NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
    }
}
