#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class ImportProgressView;

// The sheet for importing from another application ("ImportFromAppSheet"): the chosen export
// file with "Choose...", the progress of a running import, Cancel and Import.
class ImportFromAppDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ImportFromAppDialog(QWidget* parent);

    QLineEdit* fileField() const { return m_fileField; }
    QPushButton* chooseButton() const { return m_choose; }
    ImportProgressView* progress() const { return m_progress; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* importButton() const { return m_import; }

    // Shows or hides the progress rows; the sheet grows or shrinks by their height.
    void setProgressShown(bool shown);
    // Escape and closing the window ask the controller (an import may be under way).
    void reject() override;

signals:
    void escapePressed();

private:
    QLineEdit* m_fileField = nullptr;
    QPushButton* m_choose = nullptr;
    ImportProgressView* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_import = nullptr;
};
