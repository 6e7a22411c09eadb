#pragma once

#include <QString>

// The per-user settings store: text values addressed by application,
// section and key (an INI file in the user's configuration folder).
namespace SettingsStore {

// The stored text, or defaultText when the key was never written.
QString read(const QString &application, const QString &section, const QString &key,
             const QString &defaultText);

void write(const QString &application, const QString &section, const QString &key,
           const QString &text);

// Readers of numeric values: a stored text that does not parse as the
// wanted number gives the default.
float readSingle(const QString &application, const QString &section, const QString &key,
                 float defaultValue);
short readShort(const QString &application, const QString &section, const QString &key,
                short defaultValue);

} // namespace SettingsStore
