#pragma once

#include <QObject>
#include <QTimer>
#include <cstddef>

class ObjectContext;

// Folds the search keywords of a store's transactions while the program is idle, a slice at a
// time, so that the first letter typed into the search field does not wait for all of them.
// It starts a moment after it is made (the window paints first) and stops when all are folded.
class KeywordPrefolder final : public QObject {
    Q_OBJECT
public:
    // REQUIRES: `context` outlives the prefolder.
    KeywordPrefolder(ObjectContext& context, QObject* parent);

    bool isFinished() const { return m_finished; }

    // Transactions folded per slice: about 3 ms of work, short enough for typing and
    // scrolling to go on.
    static constexpr std::size_t kSlice = 4096;

private:
    void foldSlice();

    ObjectContext& m_context;
    QTimer m_timer;
    bool m_finished = false;
};
