#include "ui/trends/TrendsContentController.h"

#include "ui/common/MainWindowHost.h"
#include "ui/trends/TrendsController.h"

TrendsContentController::TrendsContentController(MainWindowHost& host)
    : m_trends(new TrendsController(host.context())) {}

TrendsContentController::~TrendsContentController() {
    delete m_trends.data();
}

QWidget* TrendsContentController::view() {
    return m_trends;
}

void TrendsContentController::showItem(const SourceListItem&) {
    if (m_trends->isVisible()) {
        m_trends->updateView();
    } else {
        m_trends->setup();
    }
}

void TrendsContentController::refresh() {
    m_trends->updateView();
}
