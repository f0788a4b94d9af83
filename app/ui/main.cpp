#include <QTimer>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scheduled/ScheduledHooks.h"
#include "session/FileStores.h"
#include "store/ObjectContext.h"
#include "ui/common/Alerts.h"
#include "ui/common/Images.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/DesktopLaunch.h"
#include "ui/shell/EventBoundary.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/PennoraApplication.h"

// The desktop application: the delegate decides between the welcome window and the main
// window; the event loop runs until the delegate lets the program quit. --help and --version
// are answered before any window (or display) is needed.
int main(int argc, char** argv) {
    if (const std::optional<std::string> answer =
            DesktopLaunch::commandLineAnswer(std::vector<std::string>(argv + 1, argv + argc))) {
        std::cout << *answer;
        return 0;
    }
    PennoraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pennora"));
    QApplication::setOrganizationDomain(QStringLiteral("pennora.org"));
    QApplication::setWindowIcon(Images::icon(QStringLiteral("appIcon")));

    installScheduledHooks();
    // The start opens the store; a failure there is shown and ends the program rather than
    // aborting it or leaving it half started.
    std::unique_ptr<ApplicationDelegate> delegate;
    std::unique_ptr<MainMenu> menu;
    const std::optional<std::string> readOnlyStore =
        DesktopLaunch::readOnlyStorePath(std::vector<std::string>(argv + 1, argv + argc));
    const bool started = DesktopLaunch::runStartStep(
        [&delegate, &menu, &readOnlyStore] {
            delegate = std::make_unique<ApplicationDelegate>(
                readOnlyStore ? FileStores::readOnlyOptions(*readOnlyStore)
                              : FileStores::sessionOptions(),
                UserDefaults::standard());
            ApplicationDelegate* shown = delegate.get();
            EventBoundary::setUndoTargetProvider([shown]() -> EventBoundary::UndoTarget {
                ObjectContext* context =
                    shown->hasOpenContext() ? shown->managedObjectContext() : nullptr;
                return {context != nullptr ? &context->undoManager() : nullptr,
                        shown->contextGeneration()};
            });
            menu = std::make_unique<MainMenu>(*delegate);
            delegate->awakeFromNib();
        },
        Alerts::shared());
    if (!started) {
        return 1;
    }

    // The first activation may open the store too (behind the welcome window): it is part of
    // the start, and while its failure is shown no other activation runs. Activations are
    // queued so that each is delivered as an event through the event boundary (a window
    // system's state change is not).
    enum class FirstActivation { Pending, Running, Done, Failed };
    FirstActivation first = FirstActivation::Pending;
    const auto activate = [&delegate, &first] {
        if (first == FirstActivation::Done) {
            delegate->applicationDidBecomeActive();
            return;
        }
        if (first != FirstActivation::Pending) {
            return;
        }
        first = FirstActivation::Running;
        if (DesktopLaunch::runStartStep([&delegate] { delegate->applicationDidBecomeActive(); },
                                        Alerts::shared())) {
            first = FirstActivation::Done;
        } else {
            first = FirstActivation::Failed;
            QApplication::exit(1);
        }
    };
    QObject::connect(
        &app, &QGuiApplication::applicationStateChanged, delegate.get(),
        [activate](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) {
                activate();
            }
        },
        Qt::QueuedConnection);
    QTimer::singleShot(0, delegate.get(), activate);
    return QApplication::exec();
}
