#pragma once

class AppController;
class ViewRouter;

// The one place that says which controller shows each content view; views not built yet are
// placeholders that say so. To plug a feature folder's view in:
// 1. In the feature folder, implement the interface the shell drives the view through:
//    RegisterController (ContentView::Register), SearchController (SearchResults), or plain
//    ContentViewController (ScheduledList, BudgetView, TrendsChart, BreakdownReport). Its
//    constructor takes the MainWindowHost; it includes ui/common and the core, never ui/shell.
// 2. Add its sources to pennora_ui in app/ui/CMakeLists.txt.
// 3. Here, replace the view's placeholder factory by one that makes the controller and
//    connects the controller's own signals to the main window (`controller`).
class ContentViews final {
public:
    static void registerAll(ViewRouter& router, AppController& controller);
};
