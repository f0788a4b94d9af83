#pragma once

class AppController;
class ViewRouter;

// The one place that says which controller shows each content view. A feature folder's view
// is plugged in here: its factory makes the controller from the MainWindowHost and connects
// the controller's signals to the main window. Views not built yet are placeholders that say
// so.
class ContentViews final {
public:
    static void registerAll(ViewRouter& router, AppController& controller);
};
