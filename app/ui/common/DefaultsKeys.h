#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

// The preference keys the application reads, and the values they have until the user
// changes them.
namespace DefaultsKeys {

inline const QString kShouldShowAccountHelp = QStringLiteral("PNShouldShowAccountHelp");
inline const QString kShouldShowBudgetHelp = QStringLiteral("PNShouldShowBudgetHelp");
inline const QString kShouldShowCashAccountHelp = QStringLiteral("PNShouldShowCashAccountHelp");
inline const QString kShouldShowWelcomeScreen = QStringLiteral("PNShouldShowWelcomeScreen");
inline const QString kShouldShowPaymentNotice = QStringLiteral("PNShouldShowPaymentNotice");
inline const QString kShowStickyDateOption = QStringLiteral("_PNShowStickyDateOption");

QHash<QString, QVariant> registeredDefaults();

}  // namespace DefaultsKeys
