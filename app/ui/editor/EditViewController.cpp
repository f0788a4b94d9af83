#include "ui/editor/EditViewController.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVariantAnimation>
#include <algorithm>

#include "base/AssertionFailure.h"
#include "import/TransactionMatching.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "ui/common/Alerts.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CheckNumberField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/Images.h"
#include "ui/common/PNDatePicker.h"
#include "ui/editor/AdvancedAreaView.h"
#include "ui/editor/EditView.h"
#include "ui/editor/RemainderView.h"
#include "ui/editor/SplitRowController.h"

namespace {

// Geometry of the panel, in points.
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kFirstLineY = 8;
constexpr int kSecondLineY = 36;
constexpr int kFieldHeight = 22;
// The panel's height with one category field and the advanced area closed.
constexpr int kBasicHeight = kSecondLineY + kFieldHeight + 10;
constexpr int kDateWidth = 118;
constexpr int kCheckNumberWidth = 66;
constexpr int kCurrencyWidth = 120;
constexpr int kCategoryBoxWidth = SplitRowController::kRowWidth;
constexpr int kSplitButtonWidth = 60;
constexpr int kToggleSize = 22;
constexpr int kRowSpacing = 5;
constexpr int kRemainderWidth = kCategoryBoxWidth - SplitRowController::kAmountX;
constexpr int kTextPixelSize = 13;
constexpr int kAnimationMilliseconds = 140;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* makeTextField(const QString& placeholder, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setPlaceholderText(placeholder);
    QFont font = field->font();
    font.setPixelSize(kTextPixelSize);
    field->setFont(font);
    field->setFixedHeight(kFieldHeight);
    return field;
}

}  // namespace

EditViewController::EditViewController(ObjectContext& context, QWidget* parent)
    : RowEditor(parent), m_context(context) {
    setObjectName(QStringLiteral("EditView"));
    m_editView = new EditView(this);
    buildBasicFields();
    connectFields();
    m_animation = new QVariantAnimation(this);
    m_animation->setDuration(kAnimationMilliseconds);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { resize(width(), value.toInt()); });
    m_targetHeight = kBasicHeight;
    resize(640, kBasicHeight);
    setupKeyLoopForSingleCategory();
}

EditViewController::~EditViewController() = default;

void EditViewController::buildBasicFields() {
    m_datePicker = new PNDatePicker(m_editView);
    m_datePicker->setFixedHeight(kFieldHeight);
    QFont font = m_datePicker->font();
    font.setPixelSize(kTextPixelSize);
    m_datePicker->setFont(font);
    m_checkNumberField = new CheckNumberField(m_editView);
    m_checkNumberField->setPlaceholderText(tr("Check #"));
    m_checkNumberField->setFont(font);
    m_checkNumberField->setFixedHeight(kFieldHeight);
    m_titleField = makeTextField(tr("Title"), m_editView);
    m_currencyField = new CurrencyField(ControlSize::Regular, m_editView);
    m_notesField = makeTextField(tr("Notes"), m_editView);

    m_categoryView = new QWidget(m_editView);
    m_singleCategoryField = new CategoryField(ControlSize::Regular, m_categoryView);
    m_singleCategoryField->setContext(m_context);
    m_singleCategoryField->textField()->setPlaceholderText(tr("Category"));
    m_singleCategoryField->setGeometry(0, 0, kCategoryBoxWidth - kGap - kSplitButtonWidth,
                                       kFieldHeight);
    m_splitButton = new QPushButton(tr("Split"), m_categoryView);
    m_splitButton->setToolTip(tr("Divide the amount over several categories"));
    m_splitButton->setFocusPolicy(Qt::NoFocus);
    m_splitButton->setGeometry(kCategoryBoxWidth - kSplitButtonWidth, 0, kSplitButtonWidth,
                               kFieldHeight);
    m_splitsView = new QWidget(m_categoryView);
    m_splitsView->hide();

    m_remainderView = new RemainderView(kRemainderWidth, m_categoryView);
    m_remainderView->hide();

    m_advancedToggleButton = new QToolButton(m_editView);
    m_advancedToggleButton->setIcon(Images::icon(QStringLiteral("down_chevron")));
    m_advancedToggleButton->setIconSize(QSize(16, 16));
    m_advancedToggleButton->setAutoRaise(true);
    m_advancedToggleButton->setFocusPolicy(Qt::NoFocus);
    m_advancedToggleButton->setToolTip(tr("Show details"));
    m_advancedView = new AdvancedAreaView(m_editView);
    m_advancedView->hide();
}

void EditViewController::connectFields() {
    connect(amountField(), &AmountField::amountChanged, this, [this] { amountChanged(); });
    connect(m_singleCategoryField, &CategoryField::categoryChanged, this, [this] {
        if (!m_syncing && m_model.transaction() != nullptr && !m_model.isShowingSplits()) {
            m_model.categoryChanged(m_singleCategoryField->categoryValue());
        }
    });
    connect(m_singleCategoryField, &CategoryField::returnPressedInField, this,
            [this] { returnWasPressedInCategoryField(); });
    connect(m_singleCategoryField, &CategoryField::editCategoriesRequested, this,
            &RowEditor::editCategoriesRequested);
    connect(m_splitButton, &QPushButton::clicked, this, [this] { split(); });
    connect(m_advancedToggleButton, &QToolButton::clicked, this, [this] { showAdvanced(); });
    connect(m_advancedView, &AdvancedAreaView::hideClicked, this, [this] { hideAdvanced(); });
    connect(m_advancedView, &AdvancedAreaView::undoMatchClicked, this, [this] { undoMatch(); });
}

AmountField* EditViewController::amountField() const {
    return m_currencyField->amountField();
}

QLineEdit* EditViewController::remainderField() const {
    return m_remainderView->remainderField();
}

// ---- Layout ----

void EditViewController::resizeEvent(QResizeEvent* event) {
    RowEditor::resizeEvent(event);
    m_editView->setGeometry(rect());
    layoutBasicFields();
}

void EditViewController::layoutBasicFields() {
    const int w = width();
    int x = kMargin;
    m_datePicker->setGeometry(x, kFirstLineY, kDateWidth, kFieldHeight);
    x += kDateWidth + kGap;
    m_checkNumberField->setGeometry(x, kFirstLineY, kCheckNumberWidth, kFieldHeight);
    x += kCheckNumberWidth + kGap;
    const int currencyX = w - kMargin - kCurrencyWidth;
    m_titleField->setGeometry(x, kFirstLineY, std::max(40, currencyX - kGap - x), kFieldHeight);
    m_currencyField->setGeometry(currencyX, kFirstLineY, kCurrencyWidth, kFieldHeight);

    const int boxHeight = categoryBoxHeight();
    m_categoryView->setGeometry(kMargin, kSecondLineY, kCategoryBoxWidth, boxHeight);
    const int notesX = kMargin + kCategoryBoxWidth + 2 * kGap;
    const int toggleX = w - kMargin - kToggleSize;
    m_notesField->setGeometry(notesX, kSecondLineY, std::max(40, toggleX - kGap - notesX),
                              kFieldHeight);
    m_advancedToggleButton->setGeometry(toggleX, kSecondLineY, kToggleSize, kToggleSize);
    m_advancedView->setGeometry(0, kSecondLineY + boxHeight + kGap, w,
                                m_advancedView->areaHeight());
}

int EditViewController::categoryBoxHeight() const {
    if (!m_model.isShowingSplits()) {
        return kFieldHeight;
    }
    const int rows = int(m_model.rows().size());
    int height = rows * SplitRowController::kRowHeight + (rows - 1) * kRowSpacing;
    if (m_model.remainder()) {
        height += kRowSpacing + RemainderView::kHeight;
    }
    return height;
}

void EditViewController::resetCategoryBoxHeight() {
    int height = kBasicHeight + categoryBoxHeight() - kFieldHeight;
    if (m_advancedViewIsShown) {
        height += m_advancedView->areaHeight();
    }
    layoutBasicFields();
    setPanelHeight(height);
}

void EditViewController::setPanelHeight(int height) {
    m_targetHeight = height;
    m_animation->stop();
    if (!m_animated || !isVisible() || height == this->height()) {
        resize(width(), height);
        return;
    }
    m_animation->setStartValue(this->height());
    m_animation->setEndValue(height);
    m_animation->start();
}

// ---- Opening and closing ----

void EditViewController::beginEditing(Transaction& transaction, bool isAdding,
                                      bool showsAccountRow) {
    m_syncing = true;
    m_disableSaveOnEnter = false;
    m_model.setup(transaction, isAdding, !showsAccountRow);

    m_advancedViewIsShown = false;
    m_advancedView->hide();
    m_advancedView->setupRows(m_model);
    m_advancedToggleButton->setVisible(m_model.showsAdvancedToggle());

    const Account* account = transaction.account();
    const std::string code = account != nullptr && account->currency() != nullptr
                                 ? account->currency()->code()
                                 : Global::sharedInstanceInContext(m_context)->homeCurrency();
    m_currencyField->setCurrencyCode(code);
    for (SplitRowController* row : m_rowControllers) {
        row->setup(m_context, code);
    }
    m_datePicker->setDateValue(m_model.date());
    m_checkNumberField->setCheckNumber(m_model.checkNumber());
    m_titleField->setText(qt(m_model.title()));
    m_notesField->setText(qt(m_model.notes()));
    amountField()->setValue(m_model.amount());

    // The panel opens at its height at once; only changes while it is shown are animated.
    const bool animated = m_animated;
    m_animated = false;
    if (m_model.isShowingSplits()) {
        updateSplitsView();
    } else {
        showSingleCategory();
    }
    m_animated = animated;
    m_syncing = false;
    m_titleField->selectAll();
}

void EditViewController::writeFieldsToTransaction() {
    PN_ASSERT(m_model.transaction() != nullptr, "The editor was written back while closed");
    commitFields();
    m_model.setDate(m_datePicker->dateValue());
    m_model.setCheckNumber(m_checkNumberField->checkNumber());
    m_model.setTitle(m_titleField->text().toStdString());
    m_model.setNotes(m_notesField->text().toStdString());
    if (amountField()->value() != m_model.amount()) {
        m_model.amountChanged(amountField()->value());
    }
    m_model.writeFieldsToTransaction();
}

void EditViewController::endEditing() {
    m_animation->stop();
    m_model.clear();
    m_syncing = true;
    m_singleCategoryField->setCategoryValue(nullptr);
    for (SplitRowController* row : m_rowControllers) {
        row->setCategory(nullptr);
    }
    m_syncing = false;
    m_advancedViewIsShown = false;
    m_advancedView->hide();
    m_disableSaveOnEnter = false;
}

void EditViewController::focusFirstField() {
    m_titleField->setFocus(Qt::OtherFocusReason);
    m_titleField->selectAll();
}

void EditViewController::commitFields() {
    if (amountField()->hasFocus()) {
        amountField()->commitEditing();
    }
    if (!m_model.isShowingSplits()) {
        m_singleCategoryField->commitEditing();
        return;
    }
    for (SplitRowController* row : rowControllers()) {
        row->commitEditing();
    }
}

// ---- Single category and split rows ----

void EditViewController::showSingleCategory() {
    const bool syncing = m_syncing;
    m_syncing = true;
    m_splitsView->hide();
    m_remainderView->hide();
    m_singleCategoryField->show();
    m_splitButton->show();
    m_singleCategoryField->setCategoryValue(m_model.currentCategory());
    m_syncing = syncing;
    resetCategoryBoxHeight();
    setupKeyLoopForSingleCategory();
}

SplitRowController* EditViewController::rowController(std::size_t index) {
    while (m_rowControllers.size() <= index) {
        auto* row = new SplitRowController(m_splitsView);
        setupRow(row);
        m_rowControllers.push_back(row);
    }
    return m_rowControllers[index];
}

void EditViewController::setupRow(SplitRowController* row) {
    row->setup(m_context, m_currencyField->currencyCode());
    connect(row, &SplitRowController::amountChanged, this,
            [this](SplitRowController* changed) { rowAmountChanged(changed); });
    connect(row, &SplitRowController::categoryChanged, this,
            [this](SplitRowController* changed) { rowCategoryChanged(changed); });
    connect(row, &SplitRowController::addSplit, this, [this] { addSplitRow(); });
    connect(row, &SplitRowController::removeSplit, this,
            [this](SplitRowController* removed) { removeSplitRow(removed); });
    connect(row, &SplitRowController::returnPressedInCategoryField, this,
            [this] { returnWasPressedInCategoryField(); });
    connect(row, &SplitRowController::editCategoriesRequested, this,
            &RowEditor::editCategoriesRequested);
}

std::vector<SplitRowController*> EditViewController::rowControllers() const {
    const std::size_t used = m_model.isShowingSplits() ? m_model.rows().size() : 0;
    return {m_rowControllers.begin(),
            m_rowControllers.begin() + std::ptrdiff_t(std::min(used, m_rowControllers.size()))};
}

std::size_t EditViewController::indexOfRow(const SplitRowController* row) const {
    const auto found = std::find(m_rowControllers.begin(), m_rowControllers.end(), row);
    PN_ASSERT(found != m_rowControllers.end(), "Not a row of this editor");
    return std::size_t(found - m_rowControllers.begin());
}

void EditViewController::updateSplitsView() {
    const bool syncing = m_syncing;
    m_syncing = true;
    m_singleCategoryField->hide();
    m_splitButton->hide();
    const auto& rows = m_model.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SplitRowController* row = rowController(i);
        if (row->category() != rows[i].category) {
            row->setCategory(rows[i].category);
        }
        row->setAmount(rows[i].amount);
        row->move(0, int(i) * (SplitRowController::kRowHeight + kRowSpacing));
        if (i + 1 == rows.size()) {
            row->showPlusButton();
        } else {
            row->hidePlusButton();
        }
        row->show();
    }
    for (std::size_t i = rows.size(); i < m_rowControllers.size(); ++i) {
        m_rowControllers[i]->hide();
    }
    const int rowsHeight =
        int(rows.size()) * SplitRowController::kRowHeight + (int(rows.size()) - 1) * kRowSpacing;
    m_splitsView->setGeometry(0, 0, kCategoryBoxWidth, rowsHeight);
    m_splitsView->show();
    if (m_model.remainder()) {
        showRemainderView(*m_model.remainder());
    } else {
        m_remainderView->hide();
    }
    m_syncing = syncing;
    resetCategoryBoxHeight();
    setupKeyLoopForSplits();
}

void EditViewController::showRemainderView(const Decimal& remainder) {
    m_remainderView->setRemainder(remainder);
    m_remainderView->move(SplitRowController::kAmountX, m_splitsView->height() + kRowSpacing);
    m_remainderView->show();
}

void EditViewController::split() {
    if (m_model.transaction() == nullptr || m_model.isShowingSplits()) {
        return;
    }
    commitFields();
    m_model.split();
    updateSplitsView();
    SplitRowController* first = m_rowControllers.front();
    if (first->category() != nullptr) {
        first->amountField()->setFocus(Qt::TabFocusReason);
    } else {
        first->categoryField()->selectText();
    }
}

void EditViewController::addSplitRow() {
    commitFields();
    m_model.addSplitRow();
    updateSplitsView();
    m_rowControllers[m_model.rows().size() - 1]->categoryField()->selectText();
}

void EditViewController::removeSplitRow(SplitRowController* row) {
    commitFields();
    m_model.removeSplitRow(indexOfRow(row));
    if (m_model.isShowingSplits()) {
        updateSplitsView();
    } else {
        showSingleCategory();
    }
}

void EditViewController::amountChanged() {
    if (m_syncing || m_model.transaction() == nullptr) {
        return;
    }
    m_model.amountChanged(amountField()->value());
    if (m_model.isShowingSplits()) {
        updateSplitsView();
    }
}

void EditViewController::rowAmountChanged(SplitRowController* row) {
    if (m_syncing || m_model.transaction() == nullptr) {
        return;
    }
    m_model.rowAmountChanged(indexOfRow(row), row->amount());
    updateSplitsView();
}

void EditViewController::rowCategoryChanged(SplitRowController* row) {
    if (m_syncing || m_model.transaction() == nullptr) {
        return;
    }
    m_model.rowCategoryChanged(indexOfRow(row), row->category());
}

// ---- Advanced area ----

void EditViewController::showAdvanced() {
    if (m_advancedViewIsShown || !m_model.showsAdvancedToggle()) {
        return;
    }
    m_advancedViewIsShown = true;
    m_advancedToggleButton->hide();
    m_advancedView->show();
    resetCategoryBoxHeight();
}

void EditViewController::hideAdvanced() {
    if (!m_advancedViewIsShown) {
        return;
    }
    m_advancedViewIsShown = false;
    m_advancedView->hide();
    m_advancedToggleButton->setVisible(m_model.showsAdvancedToggle());
    resetCategoryBoxHeight();
}

void EditViewController::undoMatch() {
    Transaction* matched = m_model.transaction();
    if (matched == nullptr || !matched->isMatched()) {
        return;
    }
    if (Alerts::shared().show(TransactionEditorModel::undoMatchQuestion(), window()).button != 0) {
        return;
    }
    // The first save writes the panel back and closes it; the second keeps the undone match.
    emit saveAndCloseRequested();
    TransactionMatching::undoMatch(*matched);
    emit saveAndCloseRequested();
    emit transactionsChanged();
}

// ---- Keys ----

void EditViewController::returnWasPressedInCategoryField() {
    m_disableSaveOnEnter = true;
}

void EditViewController::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_disableSaveOnEnter) {
                m_disableSaveOnEnter = false;
            } else if (m_model.transaction() != nullptr) {
                emit saveAndCloseRequested();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            if (m_model.transaction() != nullptr) {
                emit closeRequested();
            }
            event->accept();
            return;
        default:
            RowEditor::keyPressEvent(event);
    }
}

void EditViewController::setupKeyLoopForSingleCategory() {
    m_keyLoop.setWidgets({m_titleField, amountField(), m_singleCategoryField->textField(),
                          m_notesField, m_datePicker, m_checkNumberField});
}

void EditViewController::setupKeyLoopForSplits() {
    std::vector<QWidget*> widgets = {m_titleField, amountField()};
    for (SplitRowController* row : rowControllers()) {
        widgets.push_back(row->categoryField()->textField());
        widgets.push_back(row->amountField());
    }
    widgets.insert(widgets.end(), {m_notesField, m_datePicker, m_checkNumberField});
    m_keyLoop.setWidgets(std::move(widgets));
}

bool EditViewController::focusNextPrevChild(bool next) {
    return m_keyLoop.moveFocus(next) || RowEditor::focusNextPrevChild(next);
}
