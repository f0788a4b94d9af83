#pragma once

#include <QString>
#include <QStringList>

class QWidget;
struct Alert;
struct CommandCheck;

// What a modal alert says and offers: a message, an informative text, up to three buttons
// (the first is the default, the second the alternate, the third the other button) and an
// optional suppression box ("Do not show this message again").
struct AlertContent {
    enum class Style { Informational, Warning, Critical };

    QString message{};
    QString informativeText{};
    QStringList buttons{};      // empty: one "OK" button
    QString suppressionText{};  // empty: no suppression box
    Style style = Style::Warning;

    // The core's alert, its texts as they are.
    static AlertContent from(const Alert& alert);
};

// How the person answered: the index of the button pressed (0 = default) and whether the
// suppression box was ticked.
struct AlertAnswer {
    int button = 0;
    bool suppressed = false;
};

// Shows modal alerts. Widgets ask this service instead of building message boxes, so that
// tests answer alerts without a person.
class Alerts {
public:
    virtual ~Alerts() = default;

    // Shows `content` modally over `parent` (or application-modal when null) and returns
    // the answer once the alert is closed.
    virtual AlertAnswer run(const AlertContent& content, QWidget* parent) = 0;
    // Shows an alert the core asks for.
    AlertAnswer show(const Alert& alert, QWidget* parent) {
        return run(AlertContent::from(alert), parent);
    }
    // Whether a command may go ahead after its check: at once when it proceeds; after the
    // default button of its question when it asks; never when it refuses (the refusal is
    // shown).
    [[nodiscard]] bool mayProceed(const CommandCheck& check, QWidget* parent);

    // The service the application uses; a message-box implementation unless replaced.
    static Alerts& shared();
    // Replaces the shared service (tests); null restores the message-box implementation.
    static void setShared(Alerts* alerts);
};
