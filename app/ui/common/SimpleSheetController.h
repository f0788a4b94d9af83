#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class UserDefaults;

// A help sheet by layout name: "AccountHelp", "CashAccountHelp" or "BudgetHelp". It runs as
// a sheet on a window; okay ends it with 1, cancel with 0. Its box turns the sheet's user
// default off.
class SimpleSheetController final : public QDialog {
    Q_OBJECT
public:
    // An unknown layout name is an AssertionFailure.
    SimpleSheetController(const QString& layoutName, UserDefaults& defaults,
                          QWidget* parent = nullptr);

    // Shows the sheet on `window` and returns its return code once it has ended.
    int beginSheet(QWidget* window);
    void okay() { done(1); }
    void cancel() { done(0); }

    QString layoutName() const { return m_layoutName; }
    // The user default the sheet's box controls.
    QString defaultsKey() const;

private:
    QString m_layoutName;
    QCheckBox* m_dontShowAgain = nullptr;
};
