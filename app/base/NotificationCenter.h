#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Notification names posted by the core.
inline constexpr const char* kPNCategoriesChanged = "PNCategoriesChanged";
inline constexpr const char* kUndoManagerDidUndoChange = "NSUndoManagerDidUndoChangeNotification";
inline constexpr const char* kUndoManagerDidRedoChange = "NSUndoManagerDidRedoChangeNotification";

class NotificationCenter;

// Keeps one observation alive; destroying it (or calling cancel) unsubscribes.
class NotificationObserver final {
public:
    NotificationObserver() = default;
    NotificationObserver(NotificationObserver&&) noexcept = default;
    NotificationObserver& operator=(NotificationObserver&&) noexcept;
    ~NotificationObserver();
    void cancel();

private:
    friend class NotificationCenter;
    NotificationObserver(NotificationCenter* center, std::uint64_t id)
        : m_center(center), m_id(id) {}
    NotificationCenter* m_center = nullptr;
    std::uint64_t m_id = 0;
};

// A small synchronous notification centre: post by name; observers run in the order they
// subscribed. An observer may cancel itself or others while a notification is delivered.
class NotificationCenter final {
public:
    using Callback = std::function<void(const std::string& name)>;

    // The process-wide centre the core posts to.
    static NotificationCenter& defaultCenter();

    [[nodiscard]] NotificationObserver observe(const std::string& name, Callback callback);
    void post(const std::string& name);

private:
    friend class NotificationObserver;
    void remove(std::uint64_t id);

    struct Entry {
        std::uint64_t id;
        std::string name;
        std::shared_ptr<Callback> callback;
    };
    std::vector<Entry> m_entries;
    std::uint64_t m_nextID = 1;
};
