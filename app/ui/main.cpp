#include <QTimer>

#include "scheduled/ScheduledHooks.h"
#include "session/FileStores.h"
#include "store/ObjectContext.h"
#include "ui/common/Images.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/EventBoundary.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/PennoraApplication.h"

// The desktop application: the delegate decides between the welcome window and the main
// window; the event loop runs until the delegate lets the program quit.
int main(int argc, char** argv) {
    PennoraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pennora"));
    QApplication::setOrganizationDomain(QStringLiteral("pennora.org"));
    QApplication::setWindowIcon(Images::icon(QStringLiteral("appIcon")));

    installScheduledHooks();
    ApplicationDelegate delegate(FileStores::sessionOptions(), UserDefaults::standard());
    EventBoundary::setUndoTargetProvider([&delegate]() -> EventBoundary::UndoTarget {
        ObjectContext* context =
            delegate.hasOpenContext() ? delegate.managedObjectContext() : nullptr;
        return {context != nullptr ? &context->undoManager() : nullptr,
                delegate.contextGeneration()};
    });
    MainMenu menu(delegate);
    delegate.awakeFromNib();

    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &delegate,
                     [&delegate](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive) {
                             delegate.applicationDidBecomeActive();
                         }
                     });
    QTimer::singleShot(0, &delegate, [&delegate] { delegate.applicationDidBecomeActive(); });
    return QApplication::exec();
}
