#pragma once

#include <QWidget>

class QBoxLayout;
class QDialogButtonBox;
class QLabel;
class QPushButton;

// One page of the import sheets: a bold title, the page's own rows, and a row of buttons at
// the bottom (the default button last, at the right).
class ImportPage : public QWidget {
    Q_OBJECT
public:
    explicit ImportPage(const QString& title, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_title; }

protected:
    // The rows between the title and the buttons.
    QBoxLayout* rows() const { return m_rows; }
    // Adds a button to the bottom row; `role` places it as QDialogButtonBox does.
    QPushButton* addButton(const QString& text, int role);
    // A label whose text wraps at the page's width.
    static QLabel* wrappingLabel(const QString& text = QString());

private:
    QLabel* m_title = nullptr;
    QBoxLayout* m_rows = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
