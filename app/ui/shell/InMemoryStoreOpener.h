#pragma once

#include <functional>
#include <memory>

#include "ui/shell/StoreOpener.h"

class InMemoryStore;

// Opens stores held in memory: the normal store lives as long as the opener (so it survives
// a change to the sample and back); the sample is filled by `fillSample` on every open.
// Used by the widget tests, and by the application while it has no store file.
class InMemoryStoreOpener final : public StoreOpener {
public:
    using Filler = std::function<void(ObjectContext&)>;
    explicit InMemoryStoreOpener(Filler fillSample = {});
    ~InMemoryStoreOpener() override;

    std::unique_ptr<ObjectContext> open(Mode mode, std::optional<ValidationError>& error) override;
    std::optional<ValidationError> saveAs(ObjectContext& context) override;

    int openCount(Mode mode) const { return mode == Mode::Normal ? m_normalOpens : m_sampleOpens; }
    // The normal store (to make its next save fail).
    InMemoryStore& normalStore() const { return *m_normal; }

private:
    Filler m_fillSample;
    std::shared_ptr<InMemoryStore> m_normal;
    int m_normalOpens = 0;
    int m_sampleOpens = 0;
};
