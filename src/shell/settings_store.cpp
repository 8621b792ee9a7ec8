#include "shell/settings_store.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <limits>
#include <optional>

#include "shell/product.h"

namespace {

constexpr const char* functionColorName = "[Function Color]";
constexpr const char* gridColorName = "[Grid Color]";
constexpr const char* backgroundColorName = "[Background Color]";
constexpr const char* textColorName = "[Text Color]";
constexpr const char* lineWeightName = "[Graph Bold]";

// A stored value as a 32-bit unsigned number, or nothing when it is missing or
// is anything else: a text that is not a plain decimal number, a negative or
// too large number, a list, a fraction.
std::optional<std::uint32_t> storedNumber(const QSettings& store, const char* name)
{
    const QVariant value = store.value(QString::fromLatin1(name));
    if (!value.isValid()) return std::nullopt;
    constexpr auto largest = std::numeric_limits<std::uint32_t>::max();
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::Long:
        case QMetaType::LongLong: {
            const qlonglong number = value.toLongLong();
            if (number < 0 || static_cast<qulonglong>(number) > largest) return std::nullopt;
            return static_cast<std::uint32_t>(number);
        }
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong: {
            const qulonglong number = value.toULongLong();
            if (number > largest) return std::nullopt;
            return static_cast<std::uint32_t>(number);
        }
        case QMetaType::QString:
        case QMetaType::QByteArray: {
            // Text stores (the per-user file) keep every number as its decimal text.
            const QString text = value.toString().trimmed();
            if (text.isEmpty() || text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))
                return std::nullopt;
            bool ok = false;
            const qulonglong number = text.toULongLong(&ok, 10);
            if (!ok || number > largest) return std::nullopt;
            return static_cast<std::uint32_t>(number);
        }
        default:
            return std::nullopt;
    }
}

void loadColor(const QSettings& store, const char* name, std::uint32_t& field)
{
    if (const auto number = storedNumber(store, name)) field = *number;
}

}  // namespace

GraphOptions loadGraphOptions(QSettings& store, GraphOptions options)
{
    loadColor(store, functionColorName, options.functionColor);
    loadColor(store, gridColorName, options.gridColor);
    loadColor(store, backgroundColorName, options.backgroundColor);
    loadColor(store, textColorName, options.textColor);
    // A pen of width 0 or of thousands of pixels is not one of the three
    // weights the Options menu can mark, so such a value is not taken.
    if (const auto weight = storedNumber(store, lineWeightName); weight && *weight >= 1 && *weight <= 3)
        options.lineWeight = static_cast<int>(*weight);
    return options;
}

void saveGraphOptions(QSettings& store, const GraphOptions& options)
{
    store.setValue(QString::fromLatin1(functionColorName), options.functionColor);
    store.setValue(QString::fromLatin1(gridColorName), options.gridColor);
    store.setValue(QString::fromLatin1(backgroundColorName), options.backgroundColor);
    store.setValue(QString::fromLatin1(textColorName), options.textColor);
    store.setValue(QString::fromLatin1(lineWeightName), static_cast<std::uint32_t>(options.lineWeight));
    store.sync();
}

GraphOptions loadGraphOptions(GraphOptions options)
{
    // The user scope falls back to the machine-wide store for every value the
    // user has not stored, so machine-wide values act as defaults.
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(product::makerName),
                    QString::fromLatin1(product::applicationName));
    return loadGraphOptions(store, options);
}

void saveGraphOptions(const GraphOptions& options)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(product::makerName),
                    QString::fromLatin1(product::applicationName));
    saveGraphOptions(store, options);
}
