#include "NotificationCenter.h"

#include <algorithm>

NotificationObserver& NotificationObserver::operator=(NotificationObserver&& other) noexcept {
    if (this != &other) {
        cancel();
        m_center = other.m_center;
        m_id = other.m_id;
        other.m_center = nullptr;
    }
    return *this;
}

NotificationObserver::~NotificationObserver() {
    cancel();
}

void NotificationObserver::cancel() {
    if (m_center) {
        m_center->remove(m_id);
        m_center = nullptr;
    }
}

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationObserver NotificationCenter::observe(const std::string& name, Callback callback) {
    std::uint64_t id = m_nextID++;
    m_entries.push_back(Entry{id, name, std::make_shared<Callback>(std::move(callback))});
    return NotificationObserver(this, id);
}

void NotificationCenter::post(const std::string& name) {
    // Deliver to a snapshot so that observers may subscribe or cancel during delivery; an
    // observer cancelled meanwhile is skipped.
    std::vector<std::pair<std::uint64_t, std::shared_ptr<Callback>>> targets;
    for (const Entry& e : m_entries) {
        if (e.name == name) {
            targets.emplace_back(e.id, e.callback);
        }
    }
    for (const auto& target : targets) {
        // Not a structured binding: clang cannot capture one in a lambda.
        const std::uint64_t id = target.first;
        bool stillObserving = std::any_of(m_entries.begin(), m_entries.end(),
                                          [id](const Entry& e) { return e.id == id; });
        if (stillObserving) {
            (*target.second)(name);
        }
    }
}

void NotificationCenter::remove(std::uint64_t id) {
    std::erase_if(m_entries, [id](const Entry& e) { return e.id == id; });
}
