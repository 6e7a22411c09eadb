#pragma once

#include <QString>

// The per-user settings store: text values addressed by application,
// section and key (an INI file in the user's configuration folder).
// One store object per application lives as long as the program, so the
// file is read once rather than at every access.
namespace SettingsStore {

// The stored text, or defaultText when the key was never written.
QString read(const QString &application, const QString &section, const QString &key, const QString &defaultText);

// Writes the text and saves the file at once.
void write(const QString &application, const QString &section, const QString &key, const QString &text);

// Readers of numeric values: a stored text that does not parse as the
// wanted number gives the default.
float readSingle(const QString &application, const QString &section, const QString &key, float defaultValue);
short readShort(const QString &application, const QString &section, const QString &key, short defaultValue);

// How those readers convert a stored text.
float singleFromText(const QString &text, float defaultValue);
short shortFromText(const QString &text, short defaultValue);

// Closes the store objects; the next access opens the file anew, where
// QSettings::setPath points then (tests give each test its own folder).
void close();

} // namespace SettingsStore
