#include "ui/importing/ImportProgressPage.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/importing/ImportProgressView.h"

ImportProgressPage::ImportProgressPage(QWidget* parent)
    : ImportPage(tr("Importing Transactions"), parent) {
    m_progress = new ImportProgressView;
    rows()->addWidget(m_progress);
    m_cancel = addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
}
