#include "ui/importing/ImportSummaryPage.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

ImportSummaryPage::ImportSummaryPage(QWidget* parent) : ImportPage(QString(), parent) {
    m_matched = new QLabel;
    m_new = new QLabel;
    m_duplicate = new QLabel;
    for (QLabel* label : {m_matched, m_new, m_duplicate}) {
        label->setIndent(14);
        rows()->addWidget(label);
    }
    m_done = addButton(tr("Done"), QDialogButtonBox::AcceptRole);
    m_done->setDefault(true);
}
