#include "ui/importing/ImportSheet.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/common/SheetResize.h"
#include "ui/importing/ImportDateOrderPage.h"
#include "ui/importing/ImportMainPage.h"
#include "ui/importing/ImportProgressPage.h"
#include "ui/importing/ImportSettingsPage.h"
#include "ui/importing/ImportStatementPage.h"
#include "ui/importing/ImportSummaryPage.h"

ImportSheet::ImportSheet(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ImportSheet"));
    setWindowTitle(tr("Import"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The sheet takes each page's size itself (SheetResize); the layout must not hold it to
    // the size of the page before.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_main = new ImportMainPage;
    m_statement = new ImportStatementPage;
    m_dateOrder = new ImportDateOrderPage;
    m_settings = new ImportSettingsPage;
    m_progress = new ImportProgressPage;
    m_summary = new ImportSummaryPage;
    for (ImportPage* page :
         {static_cast<ImportPage*>(m_main), static_cast<ImportPage*>(m_statement),
          static_cast<ImportPage*>(m_dateOrder), static_cast<ImportPage*>(m_settings),
          static_cast<ImportPage*>(m_progress), static_cast<ImportPage*>(m_summary)}) {
        page->setParent(this);
        page->hide();
    }
    m_current = m_main;
    layout->addWidget(m_main);
    m_main->show();
    resize(sizeOf(m_main));
}

void ImportSheet::showView(ImportPage* page) {
    if (page == m_current) {
        SheetResize::resize(*this, sizeOf(page));
        return;
    }
    layout()->removeWidget(m_current);
    m_current->hide();
    layout()->addWidget(page);
    page->show();
    m_current = page;
    SheetResize::resize(*this, sizeOf(page));
}

void ImportSheet::reject() {
    emit escapePressed();
}

void ImportSheet::setSummaryHasDuplicateLine(bool shown) {
    m_summary->duplicateLabel()->setVisible(shown);
}

QSize ImportSheet::sizeOf(ImportPage* page) const {
    if (page == m_summary) {
        const bool duplicates = !m_summary->duplicateLabel()->isHidden();
        return QSize(page->width(), duplicates ? ImportSummaryPage::kHeightWithDuplicates
                                               : ImportSummaryPage::kHeight);
    }
    return QSize(page->width(), page->heightForWidth(page->width()) > 0
                                    ? page->heightForWidth(page->width())
                                    : page->sizeHint().height());
}
