#pragma once

#include <QWidget>
#include <cstddef>
#include <string>

class QLabel;
class QProgressBar;

// What a long import is doing: a line of text ("Reading ...", "Matching ...", "Saving ...")
// over a progress bar that is busy while the amount of work is not known.
class ImportProgressView final : public QWidget {
    Q_OBJECT
public:
    explicit ImportProgressView(QWidget* parent = nullptr);

    // An indicator without a measure.
    void showBusy(const QString& text);
    // `done` of `total` steps.
    void showProgress(const QString& text, qint64 done, qint64 total);
    // The file at `path` being read, busy.
    void showReading(const std::string& path);
    // `done` of `total` entries imported, their counts grouped as the locale groups digits;
    // "Saving…" once all are in.
    void showImporting(std::size_t done, std::size_t total);

    QLabel* statusLabel() const { return m_status; }
    QProgressBar* progressBar() const { return m_bar; }

private:
    QLabel* m_status = nullptr;
    QProgressBar* m_bar = nullptr;
};
