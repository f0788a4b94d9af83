#include "ui/importing/ImportMainPage.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ImportMainPage::ImportMainPage(QWidget* parent)
    : ImportPage(tr("Import Transactions from Your Bank"), parent) {
    rows()->addWidget(
        wrappingLabel(tr("Choose an activity file (OFX, QFX or QIF) that you downloaded from "
                         "your bank's website.")));
    auto* fileRow = new QHBoxLayout;
    m_fileField = new QLineEdit;
    m_fileField->setReadOnly(true);
    m_fileField->setPlaceholderText(tr("No file chosen"));
    m_fileField->setFocusPolicy(Qt::ClickFocus);
    m_choose = new QPushButton(tr("Choose..."));
    fileRow->addWidget(m_fileField, 1);
    fileRow->addWidget(m_choose);
    rows()->addLayout(fileRow);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(tr("Download transactions starting from:")));
    m_startDate = new QLabel;
    m_startDate->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_startDate->font();
    bold.setBold(true);
    m_startDate->setFont(bold);
    dateRow->addWidget(m_startDate);
    dateRow->addStretch(1);
    rows()->addLayout(dateRow);

    m_learnMore = new QLabel(QStringLiteral("<a href=\"help\">%1</a>")
                                 .arg(tr("Learn more about downloading statements")));
    m_learnMore->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                         Qt::LinksAccessibleByKeyboard);
    rows()->addWidget(m_learnMore);

    m_settings = addButton(tr("Settings..."), QDialogButtonBox::ResetRole);
    m_settings->setAutoDefault(false);
    m_cancel = addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setAutoDefault(false);
    m_import = addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_import->setDefault(true);
    setTabOrder(m_choose, m_learnMore);
    setTabOrder(m_learnMore, m_settings);
    setTabOrder(m_settings, m_cancel);
    setTabOrder(m_cancel, m_import);
}
