#include "ui/common/CategoryField.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStringListModel>

#include "base/AssertionFailure.h"
#include "ledger/Category.h"
#include "ledger/CategoryCompletion.h"
#include "ledger/CategoryEntry.h"
#include "ledger/CategoryMenu.h"
#include "ui/common/Alerts.h"
#include "ui/common/Images.h"

namespace {

constexpr int kButtonWidth = 18;
constexpr int kMenuPixelSize = 12;
constexpr const char* kIndentation = "      ";

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// What a menu action stands for.
struct MenuChoice {
    CategoryMenu::Item::Kind kind;
    Category* category;
};

}  // namespace

Q_DECLARE_METATYPE(MenuChoice)

CategoryField::CategoryField(ControlSize size, QWidget* parent)
    : QWidget(parent), m_size(size), m_textField(new QLineEdit(this)) {
    setFixedHeight(controlHeight(size));
    QFont font = m_textField->font();
    font.setPixelSize(controlTextPixelSize(size));
    m_textField->setFont(font);
    m_textField->installEventFilter(this);
    setFocusProxy(m_textField);
    setFocusPolicy(m_textField->focusPolicy());

    m_completions = new QStringListModel(this);
    m_completer = new QCompleter(m_completions, this);
    // The core picks the completions; the completer only shows them.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_textField->setCompleter(m_completer);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) {
                m_textField->setText(text);
                m_fieldWasEdited = true;
            });
    connect(m_textField, &QLineEdit::textEdited, this,
            [this](const QString& text) { textEdited(text); });
    connect(m_textField, &QLineEdit::returnPressed, this, [this] { returnPressed(); });
}

CategoryField::~CategoryField() = default;

void CategoryField::setContext(ObjectContext& context) {
    m_context = &context;
    m_completion.reset();
}

void CategoryField::setCategoryValue(Category* category) {
    m_category = category;
    m_fieldWasEdited = false;
    m_textField->setText(category != nullptr ? qt(category->name()) : QString());
}

QRect CategoryField::buttonRect() const {
    return {width() - kButtonWidth, 0, kButtonWidth, height()};
}

void CategoryField::selectText() {
    m_textField->setFocus(Qt::OtherFocusReason);
    m_textField->selectAll();
}

void CategoryField::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_textField->setGeometry(0, 0, std::max(0, width() - kButtonWidth), height());
}

void CategoryField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect button = buttonRect();
    painter.drawPixmap(
        button.x() + (button.width() - 16) / 2, (button.height() - 16) / 2,
        Images::pixmap(QStringLiteral("categoryFieldButton"), 16, devicePixelRatioF()));
}

void CategoryField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && buttonRect().contains(event->position().toPoint())) {
        showCategoriesMenu();
        return;
    }
    QWidget::mousePressEvent(event);
}

bool CategoryField::takeReturn(QKeyEvent* event, const QWidget* focus) const {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isReturn || !isAncestorOf(focus)) {
        return false;
    }
    event->accept();
    return true;
}

bool CategoryField::eventFilter(QObject* watched, QEvent* event) {
    // A pop-up (the completions, the menu) takes the focus for a moment: the edit goes on.
    const bool focusChange = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    if (watched == m_textField && focusChange &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (event->type() == QEvent::FocusIn) {
            m_fieldWasEdited = false;
            m_completion.reset();
        } else {
            commitEditing();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CategoryField::textEdited(const QString& text) {
    m_fieldWasEdited = true;
    if (m_context == nullptr) {
        return;
    }
    if (m_completion == nullptr) {
        m_completion = std::make_unique<CategoryCompletion>(*m_context);
    }
    QStringList completions;
    for (const std::string& completion : m_completion->completionsFor(text.toStdString())) {
        completions << qt(completion);
    }
    m_completions->setStringList(completions);
    if (completions.isEmpty()) {
        m_completer->popup()->hide();
    } else {
        m_completer->complete();
    }
}

void CategoryField::returnPressed() {
    // While the completions are up, Return picks one; the edit goes on.
    if (!m_fieldWasEdited || m_completer->popup()->isVisible()) {
        return;
    }
    finishEditing();
    emit returnPressedInField();
}

void CategoryField::commitEditing() {
    if (m_fieldWasEdited) {
        finishEditing();
    }
}

void CategoryField::finishEditing() {
    PN_ASSERT(m_context != nullptr, "A category field was edited before it had a store");
    m_fieldWasEdited = false;
    m_completer->popup()->hide();
    const CategoryEntry::Outcome outcome =
        CategoryEntry::resolve(m_textField->text().toStdString(), *m_context);
    switch (outcome.kind) {
        case CategoryEntry::Outcome::Kind::NoCategory:
            setChosenCategory(nullptr);
            return;
        case CategoryEntry::Outcome::Kind::Existing:
            setChosenCategory(outcome.category);
            return;
        case CategoryEntry::Outcome::Kind::Missing:
            break;
    }
    if (Alerts::shared().show(CategoryEntry::createQuestion(outcome.name), window()).button != 0) {
        setCategoryValue(m_category);
        return;
    }
    setChosenCategory(CategoryEntry::createCategory(outcome.name, *m_context));
}

void CategoryField::setChosenCategory(Category* category) {
    setCategoryValue(category);
    emit categoryChanged();
}

std::unique_ptr<QMenu> CategoryField::generateMenu() {
    using Kind = CategoryMenu::Item::Kind;
    PN_ASSERT(m_context != nullptr, "A category menu was asked for before the field had a store");
    auto menu = std::make_unique<QMenu>();
    QFont font = menu->font();
    font.setPixelSize(kMenuPixelSize);
    menu->setFont(font);
    QFont groupFont = font;
    groupFont.setBold(true);
    for (const CategoryMenu::Item& item : CategoryMenu::items(*m_context, m_category)) {
        if (item.kind == Kind::Separator) {
            menu->addSeparator();
            continue;
        }
        QString title = qt(item.title);
        title.replace('&', QStringLiteral("&&"));
        QAction* action = menu->addAction(QString(kIndentation).repeated(item.indentation) + title);
        action->setFont(item.kind == Kind::Group ? groupFont : font);
        action->setEnabled(item.isEnabled);
        // Only the current item carries a mark, as in a pop-up menu.
        action->setCheckable(item.isChecked);
        action->setChecked(item.isChecked);
        action->setData(QVariant::fromValue(MenuChoice{item.kind, item.category}));
    }
    connect(menu.get(), &QMenu::triggered, this,
            [this](QAction* action) { chooseFromMenu(action); });
    return menu;
}

void CategoryField::showCategoriesMenu() {
    std::unique_ptr<QMenu> menu = generateMenu();
    menu->exec(mapToGlobal(QPoint(0, height())));
}

void CategoryField::chooseFromMenu(QAction* action) {
    const auto choice = action->data().value<MenuChoice>();
    switch (choice.kind) {
        case CategoryMenu::Item::Kind::None:
        case CategoryMenu::Item::Kind::Category:
            setChosenCategory(choice.category);
            break;
        case CategoryMenu::Item::Kind::EditCategories:
            emit editCategoriesRequested();
            break;
        case CategoryMenu::Item::Kind::Group:
        case CategoryMenu::Item::Kind::Separator:
            break;
    }
}
