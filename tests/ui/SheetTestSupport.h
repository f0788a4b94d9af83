#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/common/FilePicker.h"

class QWidget;

// Answers file dialogs from a script and remembers what they asked for.
class ScriptedFilePicker final : public FilePicker {
public:
    std::optional<QString> openFile(QWidget* parent, const QString& title,
                                    const QStringList& nameFilters) override;
    std::deque<QString> answers;  // empty text: the person cancelled
    std::vector<QStringList> filtersAsked;
};

// A file of tests/data/importing.
QString importingDataFile(const char* name);
// Writes to `path` an export of two bank accounts, "First" and "Second", of 2 500 transactions
// each (-1.00 at "Shop" in "Food"): long enough to stop an import half way. False when the file
// could not be written.
bool writeLargeExport(const QString& path);
// Writes to `path` an OFX checking statement of `entries` entries: entry i is "SHOP", -(i+1).00,
// posted on the 15th of month i % 12 + 1 of 2025, FIT ID "L<i>". False when it could not be
// written.
bool writeLargeStatement(const QString& path, int entries);
// Turns the event loop until `busy` answers false (a work on another thread has come back);
// gives up after a minute so that a fault shows as a failure, not a hang.
bool waitWhile(const std::function<bool()>& busy);
// Turns the event loop for `milliseconds`.
void turnEventLoop(int milliseconds);
// Grabs `widget` to build/screenshots/<name>.png, or <name>@2x.png at a scale factor of 2,
// after letting pending events through unless `settle` is false (a grab between two steps of
// work that the event loop would carry on).
void saveSheetScreenshot(QWidget& widget, const QString& name, bool settle = true);
