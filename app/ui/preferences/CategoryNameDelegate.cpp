#include "ui/preferences/CategoryNameDelegate.h"

#include <QLineEdit>

void CategoryNameDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* field = qobject_cast<QLineEdit*>(editor);
    if (field == nullptr || m_nextText.isNull()) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    field->setText(m_nextText);
    field->selectAll();
    m_nextText = QString();
}
