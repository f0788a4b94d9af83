#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class QActionGroup;
class QMainWindow;
class QToolBar;
class QVariantAnimation;
class QWidget;
class PreferencesModule;
class UserDefaults;

// The preferences window, one for the whole run (not a sheet): a title bar with a close
// button, and a toolbar ("PreferencesToolbar", icons with labels, not customizable) with one
// item per pane that switches the pane shown below it. A pane coming in gives the content
// area its view's size; the window keeps its top edge and grows or shrinks downwards
// (animated while visible), takes the pane's title and remembers the pane's identifier under
// "MBPreferencesSelection".
//
// The panes belong to one store: the main window gives the window new panes on the first
// showing after a store is opened and an empty list when the store goes (which also closes
// the window).
class MBPreferencesController final : public QObject {
    Q_OBJECT
public:
    static inline const QString kSelectionKey = QStringLiteral("MBPreferencesSelection");

    // REQUIRES: `defaults` outlives the controller.
    explicit MBPreferencesController(UserDefaults& defaults, QObject* parent = nullptr);
    ~MBPreferencesController() override;

    QMainWindow& window() const { return *m_window; }
    QToolBar& toolbar() const { return *m_toolbar; }
    QWidget& contentArea() const { return *m_content; }

    // Replaces the panes and the toolbar's items (one per pane, in order), then shows the pane
    // stored under MBPreferencesSelection, or the first. No panes: the window closes.
    void setModules(std::vector<std::unique_ptr<PreferencesModule>> modules);
    std::vector<PreferencesModule*> modules() const;
    PreferencesModule* moduleForIdentifier(const QString& identifier) const;
    PreferencesModule* currentModule() const { return m_current; }
    // Shows the pane with `identifier`; nothing when there is none.
    void showModule(const QString& identifier);

    // Shows the window centred on the screen, in front and active.
    void showWindow();

    // The content size the window is taking (the end of a running animation).
    QSize targetContentSize() const { return m_targetContentSize; }
    // Size changes are animated while the window is visible, unless turned off (tests).
    void setAnimated(bool animated) { m_animated = animated; }

private:
    void displayModule(PreferencesModule& module);
    void removeCurrentView();
    void setContentSize(QSize size);

    UserDefaults& m_defaults;
    std::unique_ptr<QMainWindow> m_window;
    QToolBar* m_toolbar = nullptr;
    QActionGroup* m_toolbarItems = nullptr;
    QWidget* m_content = nullptr;
    QVariantAnimation* m_animation = nullptr;
    std::vector<std::unique_ptr<PreferencesModule>> m_modules;
    PreferencesModule* m_current = nullptr;
    QSize m_targetContentSize;
    bool m_animated = true;
};
