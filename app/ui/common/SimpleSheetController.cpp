#include "ui/common/SimpleSheetController.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"

namespace {

struct HelpText {
    QString title;
    QString body;
};

HelpText helpFor(const QString& layout) {
    if (layout == QLatin1String("AccountHelp")) {
        return {QObject::tr("Your account is ready"),
                QObject::tr("Download a statement from your bank's web site (QIF, OFX or QFX) "
                            "and choose Import to bring in your transactions; statements you "
                            "import again are not doubled. You can also type transactions in "
                            "with New Transaction.")};
    }
    if (layout == QLatin1String("CashAccountHelp")) {
        return {QObject::tr("Your cash account is ready"),
                QObject::tr("Enter what you spend in cash with New Transaction. Cash "
                            "transactions count at once: there is no bank statement to wait "
                            "for.")};
    }
    if (layout == QLatin1String("BudgetHelp")) {
        return {QObject::tr("Your budget is ready"),
                QObject::tr("Pennora estimated a limit for every category from your past "
                            "spending. Double-click a category to change its limit; the bars "
                            "show how far along you are.")};
    }
    PN_ASSERTION_FAILURE("Unknown help sheet " + layout.toStdString());
}

}  // namespace

SimpleSheetController::SimpleSheetController(const QString& layoutName, UserDefaults& defaults,
                                             QWidget* parent)
    : QDialog(parent), m_layoutName(layoutName) {
    const HelpText help = helpFor(layoutName);
    setObjectName(layoutName);
    setWindowTitle(help.title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 14);
    layout->setSpacing(10);
    auto* title = new QLabel(help.title);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title->setFont(font);
    auto* body = new QLabel(help.body);
    body->setWordWrap(true);
    body->setMinimumWidth(360);
    m_dontShowAgain = new QCheckBox(tr("Do not show this message again"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &SimpleSheetController::okay);
    layout->addWidget(title);
    layout->addWidget(body);
    layout->addWidget(m_dontShowAgain);
    layout->addWidget(buttons);
    connect(this, &QDialog::finished, this, [this, &defaults] {
        if (m_dontShowAgain->isChecked()) {
            defaults.setBool(defaultsKey(), false);
        }
    });
}

QString SimpleSheetController::defaultsKey() const {
    if (m_layoutName == QLatin1String("AccountHelp")) {
        return DefaultsKeys::kShouldShowAccountHelp;
    }
    if (m_layoutName == QLatin1String("CashAccountHelp")) {
        return DefaultsKeys::kShouldShowCashAccountHelp;
    }
    return DefaultsKeys::kShouldShowBudgetHelp;
}

int SimpleSheetController::beginSheet(QWidget* window) {
    setParent(window, windowFlags());
    setWindowModality(Qt::WindowModal);
    return exec();
}
