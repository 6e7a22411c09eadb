#include "platform/SettingsStore.h"

#include <QSettings>

#include <cmath>
#include <limits>

namespace SettingsStore {
namespace {

QString settingsKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString read(const QString &application, const QString &section, const QString &key,
             const QString &defaultText)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    return settings.value(settingsKey(section, key), defaultText).toString();
}

void write(const QString &application, const QString &section, const QString &key,
           const QString &text)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    settings.setValue(settingsKey(section, key), text);
}

float readSingle(const QString &application, const QString &section, const QString &key,
                 float defaultValue)
{
    bool ok = false;
    const float value = read(application, section, key, QString()).trimmed().toFloat(&ok);
    return (ok && std::isfinite(value)) ? value : defaultValue;
}

short readShort(const QString &application, const QString &section, const QString &key,
                short defaultValue)
{
    bool ok = false;
    const double value = read(application, section, key, QString()).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < std::numeric_limits<short>::min()
        || value > std::numeric_limits<short>::max())
        return defaultValue;
    return static_cast<short>(std::lround(value));
}

} // namespace SettingsStore
