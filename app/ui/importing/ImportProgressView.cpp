#include "ui/importing/ImportProgressView.h"

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QVBoxLayout>

#include "import/ImportSession.h"

namespace {

// Progress bars count in int: large counts are scaled down to a fixed resolution.
constexpr int kResolution = 1000;

}  // namespace

ImportProgressView::ImportProgressView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    m_status = new QLabel;
    m_status->setWordWrap(true);
    m_bar = new QProgressBar;
    m_bar->setTextVisible(false);
    layout->addWidget(m_status);
    layout->addWidget(m_bar);
}

void ImportProgressView::showBusy(const QString& text) {
    m_status->setText(text);
    m_bar->setRange(0, 0);
}

void ImportProgressView::showProgress(const QString& text, qint64 done, qint64 total) {
    m_status->setText(text);
    m_bar->setRange(0, kResolution);
    m_bar->setValue(total > 0 ? static_cast<int>(done * kResolution / total) : 0);
}

void ImportProgressView::showReading(const std::string& path) {
    showBusy(QString::fromStdString(ImportSession::readingText(path)));
}

void ImportProgressView::showImporting(std::size_t done, std::size_t total) {
    const auto grouped = [](std::size_t count) {
        return QLocale().toString(static_cast<qulonglong>(count)).toStdString();
    };
    showProgress(QString::fromStdString(ImportSession::progressText(done, total, grouped)),
                 static_cast<qint64>(done), static_cast<qint64>(total));
}
