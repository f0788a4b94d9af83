#include "ui/common/UserDefaults.h"

#include "ui/common/DefaultsKeys.h"

UserDefaults::UserDefaults(const QString& path)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

UserDefaults::UserDefaults() : m_settings(std::make_unique<QSettings>()) {}

void UserDefaults::registerDefaults(const QHash<QString, QVariant>& defaults) {
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        m_registered.insert(it.key(), it.value());
    }
}

QVariant UserDefaults::valueForKey(const QString& key) const {
    if (m_settings->contains(key)) {
        return m_settings->value(key);
    }
    return m_registered.value(key);
}

bool UserDefaults::boolForKey(const QString& key) const {
    return valueForKey(key).toBool();
}

QString UserDefaults::stringForKey(const QString& key) const {
    return valueForKey(key).toString();
}

int UserDefaults::integerForKey(const QString& key) const {
    return valueForKey(key).toInt();
}

void UserDefaults::setValue(const QString& key, const QVariant& value) {
    m_settings->setValue(key, value);
}

void UserDefaults::removeKey(const QString& key) {
    m_settings->remove(key);
}

void UserDefaults::synchronize() {
    m_settings->sync();
}

UserDefaults& UserDefaults::standard() {
    static UserDefaults defaults = [] {
        UserDefaults created;
        created.registerDefaults(DefaultsKeys::registeredDefaults());
        return created;
    }();
    return defaults;
}
