#pragma once

#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

// The user's preferences, kept in QSettings, with registered defaults: a registered value
// answers for a key as long as the user has not set that key, and it is never written to
// the settings file. One instance serves the application.
class UserDefaults final {
public:
    // Preferences in the settings file at `path` (tests); the default constructor uses the
    // application's own settings location.
    explicit UserDefaults(const QString& path);
    UserDefaults();

    // Adds to the registered defaults; later registrations of a key win.
    void registerDefaults(const QHash<QString, QVariant>& defaults);

    QVariant valueForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    int integerForKey(const QString& key) const;

    void setValue(const QString& key, const QVariant& value);
    void setBool(const QString& key, bool value) { setValue(key, value); }
    // Forgets the user's value, so the registered default answers again.
    void removeKey(const QString& key);
    // Writes pending changes to the settings file.
    void synchronize();

    // The instance the application uses, created on first use with the registered
    // defaults of the application.
    static UserDefaults& standard();

private:
    std::unique_ptr<QSettings> m_settings;
    QHash<QString, QVariant> m_registered;
};
