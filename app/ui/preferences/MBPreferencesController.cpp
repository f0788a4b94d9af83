#include "ui/preferences/MBPreferencesController.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include "ui/common/UserDefaults.h"
#include "ui/preferences/PreferencesModule.h"

namespace {

const QSize kStartContentSize(300, 200);

}  // namespace

MBPreferencesController::MBPreferencesController(UserDefaults& defaults, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_window(std::make_unique<QMainWindow>()) {
    m_window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint);
    m_window->setContextMenuPolicy(Qt::NoContextMenu);  // the toolbar cannot be hidden
    // Left open, it does not keep the program running once the main window has closed.
    m_window->setAttribute(Qt::WA_QuitOnClose, false);
    m_toolbar = new QToolBar(m_window.get());
    m_toolbar->setObjectName(QStringLiteral("PreferencesToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(32, 32));
    m_toolbar->toggleViewAction()->setVisible(false);
    m_window->addToolBar(Qt::TopToolBarArea, m_toolbar);
    m_window->setUnifiedTitleAndToolBarOnMac(true);
    m_toolbarItems = new QActionGroup(this);
    m_toolbarItems->setExclusive(true);

    m_content = new QWidget(m_window.get());
    auto* layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    m_window->setCentralWidget(m_content);
    m_animation = new QVariantAnimation(this);
    m_animation->setDuration(160);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { m_content->setFixedSize(value.toSize()); });
    // The window is as large as its toolbar and content area, and follows them.
    m_window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    setContentSize(kStartContentSize);

    auto* close = new QAction(tr("Close"), m_window.get());
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, m_window.get(), &QWidget::close);
    m_window->addAction(close);
}

MBPreferencesController::~MBPreferencesController() {
    // The panes own their views: take the shown one out of the window before either goes.
    removeCurrentView();
    m_modules.clear();
}

void MBPreferencesController::setModules(std::vector<std::unique_ptr<PreferencesModule>> modules) {
    removeCurrentView();
    for (QAction* item : m_toolbarItems->actions()) {
        m_toolbarItems->removeAction(item);
        delete item;
    }
    m_modules = std::move(modules);
    if (m_modules.empty()) {
        m_window->close();
        return;
    }
    for (const std::unique_ptr<PreferencesModule>& module : m_modules) {
        auto* item = new QAction(module->image(), module->title(), m_toolbarItems);
        item->setCheckable(true);
        item->setData(module->identifier());
        m_toolbar->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, identifier = module->identifier()] { showModule(identifier); });
    }
    PreferencesModule* stored = moduleForIdentifier(m_defaults.stringForKey(kSelectionKey));
    displayModule(stored != nullptr ? *stored : *m_modules.front());
}

std::vector<PreferencesModule*> MBPreferencesController::modules() const {
    std::vector<PreferencesModule*> modules;
    for (const std::unique_ptr<PreferencesModule>& module : m_modules) {
        modules.push_back(module.get());
    }
    return modules;
}

PreferencesModule* MBPreferencesController::moduleForIdentifier(const QString& identifier) const {
    for (const std::unique_ptr<PreferencesModule>& module : m_modules) {
        if (module->identifier() == identifier) {
            return module.get();
        }
    }
    return nullptr;
}

void MBPreferencesController::showModule(const QString& identifier) {
    if (PreferencesModule* module = moduleForIdentifier(identifier)) {
        displayModule(*module);
    }
}

void MBPreferencesController::displayModule(PreferencesModule& module) {
    removeCurrentView();
    QWidget* view = module.view();
    setContentSize(view->sizeHint().expandedTo(view->minimumSize()));
    for (QAction* item : m_toolbarItems->actions()) {
        item->setChecked(item->data().toString() == module.identifier());
    }
    m_window->setWindowTitle(module.title());
    module.willBeDisplayed();
    m_content->layout()->addWidget(view);
    view->show();
    m_current = &module;
    m_defaults.setValue(kSelectionKey, module.identifier());
}

void MBPreferencesController::removeCurrentView() {
    if (m_current == nullptr) {
        return;
    }
    QWidget* view = m_current->view();
    view->hide();
    m_content->layout()->removeWidget(view);
    view->setParent(nullptr);
    m_current = nullptr;
}

void MBPreferencesController::setContentSize(QSize size) {
    m_targetContentSize = size;
    m_animation->stop();
    if (!m_animated || !m_window->isVisible() || m_content->size() == size) {
        m_content->setFixedSize(size);
        m_window->layout()->activate();
        return;
    }
    m_animation->setStartValue(m_content->size());
    m_animation->setEndValue(size);
    m_animation->start();
}

void MBPreferencesController::showWindow() {
    QScreen* screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    m_window->adjustSize();
    if (screen != nullptr) {
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
