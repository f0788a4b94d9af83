#include "ui/welcome/WelcomeController.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DefaultsKeys.h"
#include "ui/common/Images.h"
#include "ui/common/UrlOpener.h"
#include "ui/common/UserDefaults.h"

namespace {

constexpr int kBottomBorder = 34;

// One of the two big choices: a title, a line of explanation and a button.
QWidget* choice(const QString& title, const QString& text, QPushButton* button) {
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("choice"));
    box->setStyleSheet(QStringLiteral(
        "#choice { background: white; border: 1px solid #CDD3DA; border-radius: 8px; }"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(18, 14, 18, 14);
    auto* heading = new QLabel(title);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.1);
    heading->setFont(font);
    auto* body = new QLabel(text);
    body->setWordWrap(true);
    body->setStyleSheet(QStringLiteral("color: #4A4F55;"));
    layout->addWidget(heading);
    layout->addWidget(body);
    layout->addStretch(1);
    layout->addWidget(button, 0, Qt::AlignRight);
    return box;
}

}  // namespace

WelcomeController::WelcomeController(UserDefaults& defaults) : m_defaults(defaults) {
    m_window.reset(buildWindow());
}

WelcomeController::~WelcomeController() = default;

QWidget* WelcomeController::buildWindow() {
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(QStringLiteral("welcomeWindow"));
    window->setWindowTitle(tr("Welcome to Pennora"));
    window->setWindowIcon(Images::icon(QStringLiteral("appIcon")));
    window->setStyleSheet(QStringLiteral("#welcomeWindow { background: #EEF1F4; }"));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* body = new QWidget;
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(28, 24, 28, 20);
    bodyLayout->setSpacing(14);
    auto* header = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setPixmap(Images::pixmap(QStringLiteral("appIcon"), 56, window->devicePixelRatioF()));
    header->addWidget(icon);
    auto* titles = new QVBoxLayout;
    auto* title = new QLabel(tr("Welcome to Pennora"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.7);
    font.setBold(true);
    title->setFont(font);
    auto* subtitle =
        new QLabel(tr("Keep your accounts, schedule your bills and see where "
                      "your money goes."));
    subtitle->setStyleSheet(QStringLiteral("color: #4A4F55;"));
    titles->addWidget(title);
    titles->addWidget(subtitle);
    header->addLayout(titles, 1);
    bodyLayout->addLayout(header);

    auto* start = new QPushButton(tr("Start Pennora"));
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, [this] { startPennora(); });
    auto* sample = new QPushButton(tr("Show Sample"));
    connect(sample, &QPushButton::clicked, this, [this] { showSample(); });
    auto* choices = new QHBoxLayout;
    choices->setSpacing(14);
    choices->addWidget(choice(tr("Start with your own accounts"),
                              tr("Add your bank accounts, credit cards and cash, enter or "
                                 "import your transactions."),
                              start));
    choices->addWidget(choice(tr("Look around first"),
                              tr("Open a sample household to try everything out. Nothing you "
                                 "do there touches your own data."),
                              sample));
    bodyLayout->addLayout(choices, 1);
    layout->addWidget(body, 1);

    auto* bottom = new QWidget;
    bottom->setObjectName(QStringLiteral("welcomeBottom"));
    bottom->setFixedHeight(kBottomBorder);
    bottom->setStyleSheet(
        QStringLiteral("#welcomeBottom { background: #DADFE5; border-top: 1px solid #B9C0C8; }"));
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(14, 2, 14, 2);
    m_showAtStart = new QCheckBox(tr("Show this window when Pennora starts"));
    m_showAtStart->setChecked(m_defaults.boolForKey(DefaultsKeys::kShouldShowWelcomeScreen));
    connect(m_showAtStart, &QCheckBox::toggled, this, [this](bool on) {
        m_defaults.setBool(DefaultsKeys::kShouldShowWelcomeScreen, on);
        m_defaults.synchronize();
    });
    bottomLayout->addWidget(m_showAtStart);
    bottomLayout->addStretch();
    auto* website = new QPushButton(tr("Website"));
    website->setFlat(true);
    connect(website, &QPushButton::clicked, this, [this] { showWebsite(); });
    auto* support = new QPushButton(tr("Support"));
    support->setFlat(true);
    connect(support, &QPushButton::clicked, this, [this] { showSupport(); });
    bottomLayout->addWidget(website);
    bottomLayout->addWidget(support);
    layout->addWidget(bottom);
    window->resize(600, 340);
    return window;
}

void WelcomeController::showWindow() {
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void WelcomeController::hideWindow() {
    m_window->hide();
}

bool WelcomeController::isVisible() const {
    return m_window->isVisible();
}

void WelcomeController::showSample() {
    emit startRequested(true);
    hideWindow();
}

void WelcomeController::startPennora() {
    emit startRequested(false);
    hideWindow();
}

void WelcomeController::showWebsite() {
    UrlOpener::showWebsite();
}

void WelcomeController::showSupport() {
    UrlOpener::showSupport();
}
