#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/ControlSize.h"

class QCompleter;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QStringListModel;
class Category;
class CategoryCompletion;
class ObjectContext;

// The category entry control: a text field that completes category names, with a button at
// its right end that pops up the category menu (CategoryMenu). Regular fields are 22 points
// high, small ones 21.
//
// When editing ends after the text was edited (Return or losing the focus), blank text means
// no category, a known name its category; an unknown name asks whether to create it: "Create"
// inserts it, "Cancel" puts the previous category back and sends nothing. Otherwise the
// chosen category becomes categoryValue() and categoryChanged() is sent; so does choosing an
// item of the menu. Return that ends an edit also sends returnPressedInField(), so that the
// editor around it does not take that Return as its own.
class CategoryField : public QWidget {
    Q_OBJECT
public:
    explicit CategoryField(ControlSize size = ControlSize::Regular, QWidget* parent = nullptr);
    ~CategoryField() override;

    // The store whose categories the field completes, looks up, creates and lists.
    // REQUIRES: set before the user edits the field or opens its menu.
    void setContext(ObjectContext& context);

    Category* categoryValue() const { return m_category; }
    // Shows the category's name (empty for none); the text counts as not edited.
    void setCategoryValue(Category* category);
    bool useSmallSize() const { return m_size == ControlSize::Small; }
    // Whether the text was edited since editing began.
    bool fieldWasEdited() const { return m_fieldWasEdited; }

    // The inner text field: it takes the control's place in the keyboard focus chain.
    QLineEdit* textField() const { return m_textField; }
    // Where the menu button is drawn and clicked: the right end, as high as the control.
    QRect buttonRect() const;
    // Gives the text field the focus with its whole text selected.
    void selectText();
    // Ends an edit now, as losing the focus would (nothing when the text was not edited).
    void commitEditing();
    // For a sheet's keyPressEvent: true, with `event` accepted, when it is Return or Enter while
    // `focus` is in this field; Return completes the category there, it does not confirm the
    // sheet.
    bool takeReturn(QKeyEvent* event, const QWidget* focus) const;

    // The category menu as it would pop up now; the caller owns it. Choosing one of its
    // actions sets the category (or asks for the categories' editor).
    [[nodiscard]] std::unique_ptr<QMenu> generateMenu();
    // Pops the menu up under the control and acts on the choice.
    void showCategoriesMenu();
    // The completer of the text field and the completions it offers now (tests).
    QCompleter* completer() const { return m_completer; }

signals:
    void categoryChanged();
    void returnPressedInField();
    void editCategoriesRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void textEdited(const QString& text);
    void returnPressed();
    void finishEditing();
    void chooseFromMenu(QAction* action);
    void setChosenCategory(Category* category);

    ControlSize m_size;
    QLineEdit* m_textField = nullptr;
    QCompleter* m_completer = nullptr;
    QStringListModel* m_completions = nullptr;
    std::unique_ptr<CategoryCompletion> m_completion;  // the names of one editing session
    ObjectContext* m_context = nullptr;
    Category* m_category = nullptr;
    bool m_fieldWasEdited = false;
};
