#include "shell/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

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

namespace {

QString programFile(const QString& folder)
{
    return folder + QLatin1Char('/') + QString::fromLatin1(product::makerName) + QLatin1Char('/') +
           QString::fromLatin1(product::applicationName) + QStringLiteral(".conf");
}

QString makerFile(const QString& folder)
{
    return folder + QLatin1Char('/') + QString::fromLatin1(product::makerName) + QStringLiteral(".conf");
}

// The settings files as QSettings places them for the maker and the program
// on this platform, the user's own first: XDG_CONFIG_HOME (~/.config), then
// every folder of XDG_CONFIG_DIRS (/etc/xdg); in each the program's file, then
// the maker's.
QStringList settingsFiles()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    folders.removeAll(user);
    QStringList files{programFile(user), makerFile(user)};
    for (const QString& folder : folders) files << programFile(folder);
    for (const QString& folder : folders) files << makerFile(folder);
    return files;
}

// The whole contents of a regular file, opened so that a pipe put there in
// the meantime cannot block; nothing when it is not a regular file.
std::optional<std::string> regularFileText(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    std::optional<std::string> text;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        text.emplace();
        char buffer[65536];
        ssize_t n = 0;
        while ((n = ::read(descriptor, buffer, sizeof buffer)) > 0) text->append(buffer, static_cast<std::size_t>(n));
        if (n < 0) text.reset();
    }
    ::close(descriptor);
    return text;
}

// Whether QSettings may open the file. It opens files blocking and decodes
// "@Variant(...)" and the other "@" forms of every value of a section (a huge
// stored length makes it try to allocate that much), so only a missing file
// or a regular file (a link to one is fine) holding neither "@" nor a backslash (by
// which an escape could spell "@") is given to it. The options' own values
// are plain numbers; a file with anything else is ignored as a whole.
bool isPlainSettingsFile(const QString& file)
{
    const std::string path = QFile::encodeName(file).toStdString();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return errno == ENOENT || errno == ENOTDIR;
    if (!S_ISREG(status.st_mode)) return false;
    const std::optional<std::string> text = regularFileText(path);
    return text && text->find_first_of("@\\") == std::string::npos;
}

// Whether something that is not a regular file stands at the path. QSettings
// reads an existing lock file beside the file it writes, blocking on a pipe.
bool isSomethingElseThanAFile(const QString& file)
{
    struct stat status {};
    return ::stat(QFile::encodeName(file).constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

}  // namespace

GraphOptions loadGraphOptions(GraphOptions options)
{
    // The user's own file is read last, over the machine-wide ones: their
    // values act as defaults for every option the user has not stored.
    const QStringList files = settingsFiles();
    for (auto file = files.crbegin(); file != files.crend(); ++file) {
        if (!QFile::exists(*file) || !isPlainSettingsFile(*file)) continue;
        QSettings store(*file, QSettings::IniFormat);
        options = loadGraphOptions(store, options);
    }
    return options;
}

void saveGraphOptions(const GraphOptions& options)
{
    // Only the user's own file is written; one that QSettings may not open
    // (see isPlainSettingsFile) is left as it is, and nothing is stored.
    const QString file = settingsFiles().front();
    if (!isPlainSettingsFile(file) || isSomethingElseThanAFile(file + QStringLiteral(".lock"))) return;
    QSettings store(file, QSettings::IniFormat);
    saveGraphOptions(store, options);
}
