#pragma once

#include <QWidget>

class ObjectContext;
class QComboBox;
class TrendsMenuModel;
class TrendsView;

// The trends view: a pop-up of series (the balance, income, expense and every category) over
// a line chart of the chosen series, month by month over the span of the data. Every figure is
// computed from the store when the chart is shown. The shell calls setup() when the view is
// shown and updateView() after the store changed (edits elsewhere, undo, redo).
class TrendsController final : public QWidget {
    Q_OBJECT
public:
    // REQUIRES: `context` outlives the controller.
    explicit TrendsController(ObjectContext& context, QWidget* parent = nullptr);
    ~TrendsController() override;

    // Refills the series pop-up from the store, selects its first entry and shows its chart.
    void setup();
    // Refills the pop-up and redraws the chosen series from the store, keeping the choice
    // when its category still exists (else back to the first entry).
    void updateView();
    // Charts the pop-up's current entry.
    void showSelectedChart();

    QComboBox& popupButton() const { return *m_popupButton; }
    TrendsView& trendsView() const { return *m_trendsView; }
    TrendsMenuModel& menuModel() const { return *m_menuModel; }

private:
    ObjectContext& m_context;
    TrendsMenuModel* m_menuModel;
    QComboBox* m_popupButton;
    TrendsView* m_trendsView;
};
