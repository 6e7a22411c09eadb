#include "platform/SettingsStore.h"

#include <QSettings>

#include <cmath>
#include <limits>
#include <map>
#include <memory>

namespace SettingsStore {
namespace {

// Never destroyed: a QSettings outliving Qt's own statics at exit is not
// safe to destroy, and every write is saved when it is made.
std::map<QString, std::unique_ptr<QSettings>> &openStores()
{
    static auto *stores = new std::map<QString, std::unique_ptr<QSettings>>;
    return *stores;
}

QSettings &store(const QString &application)
{
    std::unique_ptr<QSettings> &settings = openStores()[application];
    if (!settings)
        settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application, application);
    return *settings;
}

QString settingsKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString read(const QString &application, const QString &section, const QString &key, const QString &defaultText)
{
    return store(application).value(settingsKey(section, key), defaultText).toString();
}

void write(const QString &application, const QString &section, const QString &key, const QString &text)
{
    QSettings &settings = store(application);
    settings.setValue(settingsKey(section, key), text);
    settings.sync();
}

float readSingle(const QString &application, const QString &section, const QString &key, float defaultValue)
{
    return singleFromText(read(application, section, key, QString()), defaultValue);
}

short readShort(const QString &application, const QString &section, const QString &key, short defaultValue)
{
    return shortFromText(read(application, section, key, QString()), defaultValue);
}

float singleFromText(const QString &text, float defaultValue)
{
    // Read as a double and rounded once: the nine digits the largest single
    // is written with lie just above it, which a direct single reading
    // refuses as an overflow.
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    constexpr float largest = std::numeric_limits<float>::max();
    constexpr double roundsToLargest = 0x1.ffffffp127; // halfway to the next power of two
    if (!ok || !(std::fabs(value) < roundsToLargest))
        return defaultValue;
    if (std::fabs(value) > largest)
        return value > 0 ? largest : -largest;
    return float(value);
}

short shortFromText(const QString &text, short defaultValue)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < std::numeric_limits<short>::min()
        || value > std::numeric_limits<short>::max())
        return defaultValue;
    return static_cast<short>(std::lround(value));
}

void close()
{
    openStores().clear();
}

} // namespace SettingsStore
