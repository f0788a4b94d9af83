#include "ui/editor/AdvancedAreaView.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "ui/common/Images.h"

namespace {

constexpr int kLeft = 8;
constexpr int kLabelWidth = 96;
constexpr int kValuesX = kLeft + kLabelWidth + 8;
constexpr int kTextPixelSize = 12;
// The longest a bank title gets before it is cut with an ellipsis.
constexpr int kMaximumTitleWidth = 320;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

AdvancedAreaView::AdvancedAreaView(QWidget* parent) : QWidget(parent) {
    QFont font = this->font();
    font.setPixelSize(kTextPixelSize);
    setFont(font);

    m_matchRow = makeRow(tr("Matched with:"));
    m_matchedTitle = makeValue(m_matchRow, false);
    m_matchedMoreInfo = makeValue(m_matchRow, true);
    m_undoMatchButton = new QPushButton(tr("Undo Match"), m_matchRow);
    m_undoMatchButton->setFocusPolicy(Qt::NoFocus);
    m_undoMatchButton->setFixedHeight(20);
    connect(m_undoMatchButton, &QPushButton::clicked, this, &AdvancedAreaView::undoMatchClicked);

    m_originalRow = makeRow(tr("Bank data:"));
    m_originalTitle = makeValue(m_originalRow, false);
    m_originalMoreInfo = makeValue(m_originalRow, true);

    m_accountRow = makeRow(tr("Account:"));
    m_accountName = makeValue(m_accountRow, false);

    m_hideButton = new QToolButton(this);
    m_hideButton->setIcon(Images::icon(QStringLiteral("up_chevron")));
    m_hideButton->setIconSize(QSize(16, 16));
    m_hideButton->setAutoRaise(true);
    m_hideButton->setFocusPolicy(Qt::NoFocus);
    m_hideButton->setToolTip(tr("Hide details"));
    connect(m_hideButton, &QToolButton::clicked, this, &AdvancedAreaView::hideClicked);
}

QWidget* AdvancedAreaView::makeRow(const QString& label) {
    auto* row = new QWidget(this);
    row->resize(width(), kRowHeight);
    auto* title = new QLabel(label, row);
    title->setGeometry(kLeft, 0, kLabelWidth, kRowHeight);
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, QColor("#555555"));
    title->setPalette(palette);
    row->hide();
    return row;
}

QLabel* AdvancedAreaView::makeValue(QWidget* row, bool secondary) {
    auto* label = new QLabel(row);
    label->move(kValuesX, 0);
    label->setFixedHeight(kRowHeight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (secondary) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor("#666666"));
        label->setPalette(palette);
    } else {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

void AdvancedAreaView::setElidedText(QLabel* label, const QString& text) {
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, kMaximumTitleWidth));
    label->setToolTip(text);
}

void AdvancedAreaView::setupRows(const TransactionEditorModel& model) {
    using Row = TransactionEditorModel::AdvancedRow;
    for (QWidget* row : {m_matchRow, m_originalRow, m_accountRow}) {
        row->hide();
    }
    int y = 0;
    for (const Row kind : model.advancedRows()) {
        QWidget* row = nullptr;
        switch (kind) {
            case Row::Match:
                row = m_matchRow;
                setElidedText(m_matchedTitle, qt(model.bankTitle()));
                m_matchedMoreInfo->setText(qt(model.bankDateText()));
                lineUpControls({m_matchedTitle, m_matchedMoreInfo, m_undoMatchButton});
                break;
            case Row::BankData:
                row = m_originalRow;
                setElidedText(m_originalTitle, qt(model.bankTitle()));
                m_originalMoreInfo->setText(qt(model.bankDateText()));
                lineUpControls({m_originalTitle, m_originalMoreInfo});
                break;
            case Row::Account:
                row = m_accountRow;
                setElidedText(m_accountName, qt(model.accountName()));
                lineUpControls({m_accountName});
                break;
        }
        row->move(0, y + 4);
        row->show();
        y += kRowHeight;
    }
    m_areaHeight = y == 0 ? 0 : y + 8;
}

void AdvancedAreaView::lineUpControls(const std::vector<QWidget*>& controls) {
    int nextX = -1;
    for (QWidget* control : controls) {
        control->adjustSize();
        if (nextX >= 0) {
            control->move(nextX, control->y());
        }
        nextX = control->x() + control->width() + 5;
    }
    // Buttons sit on the labels' middle.
    for (QWidget* control : controls) {
        if (qobject_cast<QPushButton*>(control) != nullptr) {
            control->move(control->x(), (kRowHeight - control->height()) / 2);
        }
    }
}

void AdvancedAreaView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* row : {m_matchRow, m_originalRow, m_accountRow}) {
        row->resize(width(), kRowHeight);
    }
    m_hideButton->setGeometry(width() - 8 - 22, 6, 22, 22);
}

void AdvancedAreaView::paintEvent(QPaintEvent*) {
    // A groove between the basic fields and the area.
    QPainter painter(this);
    painter.fillRect(QRect(8, 0, width() - 16, 1), QColor("#C4C4C4"));
    painter.fillRect(QRect(8, 1, width() - 16, 1), QColor("#F6F6F6"));
}
