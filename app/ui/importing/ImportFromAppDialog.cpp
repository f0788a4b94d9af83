#include "ui/importing/ImportFromAppDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/SheetResize.h"
#include "ui/importing/ImportProgressView.h"

ImportFromAppDialog::ImportFromAppDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ImportFromAppSheet"));
    setWindowTitle(tr("Import from Another Application"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 16);
    layout->setSpacing(10);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    auto* title = new QLabel(tr("Import from Another Application"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    title->setFont(font);
    layout->addWidget(title);
    auto* text =
        new QLabel(tr("Choose a QIF file exported from another application. Every "
                      "account in it becomes a new account, with its transactions, "
                      "categories and splits."));
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* fileRow = new QHBoxLayout;
    m_fileField = new QLineEdit;
    m_fileField->setReadOnly(true);
    m_fileField->setPlaceholderText(tr("No file chosen"));
    m_fileField->setFocusPolicy(Qt::ClickFocus);
    m_choose = new QPushButton(tr("Choose..."));
    fileRow->addWidget(m_fileField, 1);
    fileRow->addWidget(m_choose);
    layout->addLayout(fileRow);
    m_progress = new ImportProgressView;
    m_progress->hide();
    layout->addWidget(m_progress);
    layout->addStretch(1);
    auto* buttons = new QDialogButtonBox;
    m_cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setAutoDefault(false);
    m_import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_import->setDefault(true);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    setFixedWidth(480);
    resize(480, sizeHint().height());
}

void ImportFromAppDialog::setProgressShown(bool shown) {
    m_progress->setVisible(shown);
    m_fileField->setEnabled(!shown);
    m_choose->setEnabled(!shown);
    layout()->invalidate();
    SheetResize::resize(*this, QSize(width(), sizeHint().height()));
}

void ImportFromAppDialog::reject() {
    emit escapePressed();
}
