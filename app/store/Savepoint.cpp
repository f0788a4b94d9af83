#include "store/Savepoint.h"

#include "base/AssertionFailure.h"
#include "store/ObjectContext.h"

Savepoint::Savepoint(ObjectContext& context) : m_context(context) {
    m_context.setSavepoint();
    m_depth = m_context.savepointDepth();
}

Savepoint::~Savepoint() {
    if (m_open && m_context.savepointDepth() == m_depth) {
        m_context.rollbackToSavepoint();
    }
}

void Savepoint::checkInnermost() const {
    PN_ASSERT(m_open, "The savepoint is closed already");
    PN_ASSERT(m_context.savepointDepth() == m_depth, "A savepoint set later is still open");
}

std::optional<ValidationError> Savepoint::release() {
    checkInnermost();
    std::optional<ValidationError> error = m_context.releaseSavepoint();
    m_open = error.has_value();
    return error;
}

void Savepoint::rollback() {
    checkInnermost();
    m_open = false;
    m_context.rollbackToSavepoint();
}
