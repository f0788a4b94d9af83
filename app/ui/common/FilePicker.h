#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Asks the person for a file to open. Widgets ask this service instead of opening file
// dialogs themselves, so that tests can answer with a path.
class FilePicker {
public:
    virtual ~FilePicker() = default;

    // The chosen file, or nothing when the person cancelled. `nameFilters` restrict the
    // files offered, e.g. {"Statements (*.ofx *.qfx *.qif)"}.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QStringList& nameFilters) = 0;

    static FilePicker& shared();
    // Replaces the shared service (tests); null restores the file-dialog implementation.
    static void setShared(FilePicker* picker);
};
