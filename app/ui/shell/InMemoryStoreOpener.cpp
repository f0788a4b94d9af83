#include "ui/shell/InMemoryStoreOpener.h"

#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

// Lets each new context use the one normal store.
class SharedStore final : public PersistentStore {
public:
    explicit SharedStore(std::shared_ptr<InMemoryStore> store) : m_store(std::move(store)) {}
    std::optional<ValidationError> load(ObjectContext& context) override {
        return m_store->load(context);
    }
    std::optional<ValidationError> save(const ChangeSet& changes) override {
        return m_store->save(changes);
    }

private:
    std::shared_ptr<InMemoryStore> m_store;
};

}  // namespace

InMemoryStoreOpener::InMemoryStoreOpener(Filler fillSample)
    : m_fillSample(std::move(fillSample)), m_normal(std::make_shared<InMemoryStore>()) {}

InMemoryStoreOpener::~InMemoryStoreOpener() = default;

std::unique_ptr<ObjectContext> InMemoryStoreOpener::open(Mode mode,
                                                         std::optional<ValidationError>& error) {
    auto context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    if (mode == Mode::Normal) {
        ++m_normalOpens;
        error = m_normal->load(*context);
        context->setPersistentStore(std::make_unique<SharedStore>(m_normal));
        return context;
    }
    ++m_sampleOpens;
    context->setPersistentStore(std::make_unique<InMemoryStore>());
    if (m_fillSample) {
        context->undoManager().disableUndoRegistration();
        m_fillSample(*context);
        context->undoManager().enableUndoRegistration();
        error = context->save();
    }
    return context;
}

std::optional<ValidationError> InMemoryStoreOpener::saveAs(ObjectContext&) { return std::nullopt; }
