#pragma once

#include <optional>

#include "store/Savepoint.h"

class Alerts;
class ObjectContext;
class QWidget;

// What a sheet changes in the store while it is open, before it is confirmed (a category its
// category field creates, for one): one unit of change on the context. A confirmed sheet keeps
// it; a sheet that ends any other way (Cancel, Escape, its window closing) takes it back whole,
// leaving no object, value or undo entry of it behind.
//
// While the unit is open a save only checks the changes; the write waits for keep(). So a save
// asked for elsewhere while the sheet was open is written when the sheet is confirmed, or
// taken back with it.
class SheetChanges final {
public:
    // REQUIRES: `context` outlives this.
    explicit SheetChanges(ObjectContext& context);

    // When the sheet opens; takes back what an earlier opening left open.
    void begin();
    // When the sheet is confirmed, before it writes its own changes. True when the unit is
    // closed with its changes kept. When a save held back while the sheet was open fails to
    // write, the error is shown over `sheet` and the answer is false: the unit stays open, so
    // the sheet can stay open too (confirm again, or cancel to take everything back).
    [[nodiscard]] bool keep(Alerts& alerts, QWidget* sheet);
    // When the sheet ends without being confirmed; nothing when no unit is open.
    void takeBack();

private:
    ObjectContext& m_context;
    std::optional<Savepoint> m_unit;
};
