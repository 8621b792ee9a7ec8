#include "shell/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdint>
#include <functional>

namespace {

// Points the per-user and the machine-wide stores at two fresh folders for one test.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(userFolder.isValid());
        ASSERT_TRUE(machineFolder.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(userFolder.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(machineFolder.path()));
    }

    QString file(QSettings::Scope scope) const
    {
        return (scope == QSettings::UserScope ? userFolder : machineFolder).filePath("Tessavan/Probaview.conf");
    }

    // Writes raw values into one of the two stores, as another program or an
    // administrator might.
    void store(QSettings::Scope scope, const QList<std::pair<QString, QVariant>>& values) const
    {
        QSettings settings(file(scope), QSettings::IniFormat);
        for (const auto& [name, value] : values) settings.setValue(name, value);
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }

    QTemporaryDir userFolder;
    QTemporaryDir machineFolder;
};

TEST_F(SettingsStoreTest, FirstRunKeepsTheDefaults)
{
    EXPECT_EQ(loadGraphOptions(), GraphOptions{});
    const GraphOptions defaults = loadGraphOptions();
    EXPECT_EQ(defaults.functionColor, 0xD00000u);
    EXPECT_EQ(defaults.gridColor, 0xD00000u);
    EXPECT_EQ(defaults.backgroundColor, 0xE0F0E0u);
    EXPECT_EQ(defaults.textColor, 0x404040u);
    EXPECT_EQ(defaults.lineWeight, 2);
}

TEST_F(SettingsStoreTest, StoredOptionsSurviveTheNextRunAndStayPerUser)
{
    const GraphOptions chosen{0x00FFFFFF, 0x000000FF, 0x00000000, 0xFFFFFFFF, 3};
    saveGraphOptions(chosen);
    EXPECT_EQ(loadGraphOptions(), chosen);

    // Written under the user's folder with the five names, the machine-wide one untouched.
    QSettings user(file(QSettings::UserScope), QSettings::IniFormat);
    const QStringList names = user.allKeys();
    for (const char* name : {"[Function Color]", "[Grid Color]", "[Background Color]", "[Text Color]", "[Graph Bold]"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_EQ(user.value("[Text Color]").toULongLong(), 0xFFFFFFFFull);
    EXPECT_TRUE(QDir(machineFolder.path()).isEmpty());
}

TEST_F(SettingsStoreTest, OnlyTheStoredGridColorChanges)
{
    store(QSettings::UserScope, {{"[Grid Color]", 0x123456u}});
    GraphOptions expected;
    expected.gridColor = 0x123456;
    EXPECT_EQ(loadGraphOptions(), expected);
}

TEST_F(SettingsStoreTest, MachineWideValuesAreDefaultsUnderTheUsersOwn)
{
    store(QSettings::SystemScope, {{"[Grid Color]", 0x111111u}, {"[Graph Bold]", 1u}});
    store(QSettings::UserScope, {{"[Graph Bold]", 3u}});
    const GraphOptions loaded = loadGraphOptions();
    EXPECT_EQ(loaded.gridColor, 0x111111u);
    EXPECT_EQ(loaded.lineWeight, 3);
    EXPECT_EQ(loaded.functionColor, GraphOptions{}.functionColor);
}

TEST_F(SettingsStoreTest, ValuesThatAreNotThirtyTwoBitNumbersAreIgnored)
{
    const QVariant badColors[] = {
        QString("blue"), QString("-1"), QString("4294967296"), QString("1.5"),
        QString(""),     QString("+7"), QStringList{"1", "2"}, QString("0x10"),
    };
    for (const QVariant& bad : badColors) {
        store(QSettings::UserScope, {{"[Function Color]", bad}});
        EXPECT_EQ(loadGraphOptions().functionColor, GraphOptions{}.functionColor) << bad.toString().toStdString();
    }
    store(QSettings::UserScope, {{"[Function Color]", QString(" 255 ")}});
    EXPECT_EQ(loadGraphOptions().functionColor, 255u);
}

TEST_F(SettingsStoreTest, LineWeightOutsideOneToThreeIsIgnored)
{
    struct Case {
        QVariant stored;
        int expected;
    };
    const Case cases[] = {{0u, 2}, {4u, 2}, {-1, 2}, {QString("bold"), 2}, {1u, 1}, {3u, 3}, {QString("1"), 1}};
    for (const Case& c : cases) {
        store(QSettings::UserScope, {{"[Graph Bold]", c.stored}});
        EXPECT_EQ(loadGraphOptions().lineWeight, c.expected) << c.stored.toString().toStdString();
    }
}

TEST_F(SettingsStoreTest, AnUnwritableStoreLeavesTheOptionsAsTheyWere)
{
    // A file where the user's folder should be: nothing can be written below it.
    const QString blocked = userFolder.filePath("blocked");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocked));
    saveGraphOptions(GraphOptions{1, 2, 3, 4, 1});
    EXPECT_EQ(loadGraphOptions(), GraphOptions{});
}

TEST_F(SettingsStoreTest, AFileThatIsNotPlainTextIsNeitherWaitedForNorDecodedNorWrittenOver)
{
    const QString user = file(QSettings::UserScope);
    const QString target = userFolder.filePath("elsewhere.conf");
    const QByteArray plain = "[General]\n%5BFunction%20Color%5D=255\n";
    // Qt would decode the stored variant to the unsigned number 255.
    const QByteArray variant = "[General]\n%5BFunction%20Color%5D=@Variant(\\0\\0\\0\\x3\\0\\0\\0\\xff)\n";
    const auto write = [](const QString& path, const QByteArray& text) {
        QFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
    };
    struct Case {
        const char* what;
        std::function<bool()> make;
        std::uint32_t functionColor;  // as loaded
        bool written;                 // whether saving stores the options
    };
    const Case cases[] = {
        {"a pipe", [&] { return ::mkfifo(QFile::encodeName(user).constData(), 0600) == 0; }, 0xD00000, false},
        {"a stored variant", [&] { return write(user, variant); }, 0xD00000, false},
        {"a pipe as the lock file beside it",
         [&] { return write(user, plain) && ::mkfifo(QFile::encodeName(user + ".lock").constData(), 0600) == 0; }, 255,
         false},
        {"a link to a plain file", [&] { return write(target, plain) && QFile::link(target, user); }, 255, true},
    };
    const GraphOptions chosen{1, 2, 3, 4, 1};
    for (const Case& c : cases) {
        QFile::remove(user);
        QFile::remove(user + ".lock");
        ASSERT_TRUE(QDir().mkpath(userFolder.filePath("Tessavan")) && c.make()) << c.what;
        const QFileInfo before(user);
        EXPECT_EQ(loadGraphOptions().functionColor, c.functionColor) << c.what;
        saveGraphOptions(chosen);
        EXPECT_EQ(loadGraphOptions() == chosen, c.written) << c.what;
        EXPECT_EQ(QFileInfo(user).isSymLink(), before.isSymLink()) << c.what;
        EXPECT_EQ(QFileInfo(user).isFile(), before.isFile()) << c.what;
    }
}

}  // namespace
