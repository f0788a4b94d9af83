#include "ui/register/KeywordPrefolder.h"

#include "ledger/KeywordIndex.h"

namespace {
constexpr int kStartDelayMs = 300;
}  // namespace

KeywordPrefolder::KeywordPrefolder(ObjectContext& context, QObject* parent)
    : QObject(parent), m_context(context) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &KeywordPrefolder::foldSlice);
    m_timer.start(kStartDelayMs);
}

void KeywordPrefolder::foldSlice() {
    if (KeywordIndex::of(m_context).foldAhead(kSlice)) {
        m_timer.start(0);
    } else {
        m_finished = true;
    }
}
