#pragma once

#include <QObject>
#include <memory>

class QCheckBox;
class QWidget;
class UserDefaults;

// The welcome window shown at start while PNShouldShowWelcomeScreen is on: it starts the
// program on the user's own store or on the sample household (asking through its signals),
// links to the web site, and lets the person turn the window off for later starts.
class WelcomeController final : public QObject {
    Q_OBJECT
public:
    // REQUIRES: `defaults` outlives the controller.
    explicit WelcomeController(UserDefaults& defaults);
    ~WelcomeController() override;

    void showWindow();
    void hideWindow();
    bool isVisible() const;
    QWidget& window() const { return *m_window; }

    // The window's buttons: each start asks for the main window, then hides this one.
    void showSample();
    void startPennora();
    void showWebsite();
    void showSupport();

signals:
    void startRequested(bool sample);

private:
    QWidget* buildWindow();

    UserDefaults& m_defaults;
    std::unique_ptr<QWidget> m_window;
    QCheckBox* m_showAtStart = nullptr;
};
