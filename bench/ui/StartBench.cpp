// The desktop program's start on the store in its data folder, as the program starts: from
// the process's start to the main window's first paint. The program ends the moment the
// window has painted, so the time of the whole process is the figure; run-start-bench.sh
// gives each run a home of its own and takes the medians. Prints the milliseconds from main()
// to the paint on standard output.
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "scheduled/ScheduledHooks.h"
#include "session/FileStores.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/PennoraApplication.h"

namespace {

using Clock = std::chrono::steady_clock;

// Watches every widget's paint; the first one of the main window ends the program once the
// pass it belongs to is over.
class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget& window, Clock::time_point started) : m_window(window), m_started(started) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            if (auto* widget = qobject_cast<QWidget*>(watched);
                widget != nullptr && widget->window() == &m_window) {
                m_seen = true;
                QTimer::singleShot(0, this, [this] { finish(); });
            }
        }
        return false;
    }

private:
    void finish() const {
        const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - m_started);
        std::printf("%.1f\n", elapsed.count());
        std::fflush(stdout);
        // Nothing to tear down: the figure is the start, and the process ends here.
        std::_Exit(0);
    }

    QWidget& m_window;
    Clock::time_point m_started;
    bool m_seen = false;
};

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point started = Clock::now();
    PennoraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pennora"));
    QApplication::setOrganizationDomain(QStringLiteral("pennora.org"));
    installScheduledHooks();
    UserDefaults::standard().setBool(DefaultsKeys::kShouldShowWelcomeScreen, false);

    auto delegate = std::make_unique<ApplicationDelegate>(FileStores::sessionOptions(),
                                                          UserDefaults::standard());
    MainMenu menu(*delegate);
    FirstPaint firstPaint(delegate->window(), started);
    app.installEventFilter(&firstPaint);
    delegate->awakeFromNib();
    QTimer::singleShot(0, delegate.get(), [&delegate] { delegate->applicationDidBecomeActive(); });
    return QApplication::exec();
}
