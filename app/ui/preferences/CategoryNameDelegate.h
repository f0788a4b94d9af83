#pragma once

#include <QStyledItemDelegate>

// Edits the names of the categories outline. When an edit is reopened after a refused name,
// the editor starts with the text the person typed instead of the stored name.
class CategoryNameDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text the next editor starts with (once), all of it selected.
    void setNextEditorText(const QString& text) { m_nextText = text; }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    mutable QString m_nextText;
};
