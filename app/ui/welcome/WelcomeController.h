#pragma once

#include <QObject>
#include <memory>

class QCheckBox;
class QWidget;
class ApplicationDelegate;

// The welcome window shown at start while PNShouldShowWelcomeScreen is on: it starts the
// program on the user's own store or on the sample household, and links to the web site.
class WelcomeController final : public QObject {
    Q_OBJECT
public:
    explicit WelcomeController(ApplicationDelegate& delegate);
    ~WelcomeController() override;

    void showWindow();
    void hideWindow();
    bool isVisible() const;
    QWidget& window() const { return *m_window; }

    // The window's buttons.
    void showSample();
    void startPennora();
    void showWebsite();
    void showSupport();

private:
    QWidget* buildWindow();

    ApplicationDelegate& m_delegate;
    std::unique_ptr<QWidget> m_window;
    QCheckBox* m_showAtStart = nullptr;
};
