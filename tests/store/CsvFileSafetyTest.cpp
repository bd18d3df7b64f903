// The profile file on disk: bad files never crash or lose data, saves are atomic.
#include "StoreTestSupport.h"
#include "store/Field.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace norvane::test {
namespace {

namespace fs = std::filesystem;

const std::string kTwoRows = std::string(kProfileHeader) + "\r\n1,Bureau\r\n2,Maison\r\n";

class FileSafety : public ::testing::Test {
protected:
    FileSafety() { SetUpProfileTable(table, dir); }

    fs::path file() const { return dir / "profils.csv"; }
    void Rename(const std::string& name) {
        table.Edit();
        table.FieldByName("NOM_PROF").SetAsString(name);
        table.Post();
    }

    TempDir dir;
    TCsvDataSet table{"profils"};
};

TEST_F(FileSafety, TrailingNulBytesEndTheText) {
    WriteFile(file(), kTwoRows + std::string(4096, '\0'));
    table.Open();
    EXPECT_EQ(table.RecordCount(), 2u);
}

TEST_F(FileSafety, NulBeforeMoreTextRefusesTheFileAndKeepsIt) {
    std::string bytes = std::string(kProfileHeader) + "\r\n1,Bureau";
    bytes += '\0';
    bytes += "\r\n2,Maison\r\n";
    WriteFile(file(), bytes);
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              file().string() + ": Unexpected NUL byte at offset " +
                  std::to_string(bytes.find('\0')) + "; the file was not read");
    EXPECT_FALSE(table.IsActive());
    EXPECT_EQ(ReadFile(file()), bytes);
}

TEST_F(FileSafety, FiftyMegabyteLineIsRefused) {
    const std::string bytes = kTwoRows + "3," + std::string(50 << 20, 'x') + "\r\n";
    WriteFile(file(), bytes);
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              "CSV string is too long: 3," + std::string(38, 'x') + "...");
    EXPECT_FALSE(table.IsActive());
    EXPECT_EQ(fs::file_size(file()), bytes.size());
}

TEST_F(FileSafety, ADirectoryInPlaceOfTheFileCannotBeOpened) {
    fs::create_directory(file());
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              "Impossible d'ouvrir le fichier \"" + file().string() + "\". Is a directory");
    EXPECT_FALSE(table.IsActive());
}

TEST_F(FileSafety, FailedSaveKeepsFileRowsAndChangedForTheNextTry) {
    WriteFile(file(), kTwoRows);
    table.Open();
    Rename("Atelier");
    // The file turns into a directory: nothing can replace it now.
    fs::rename(file(), dir / "kept.csv");
    fs::create_directory(file());
    EXPECT_EQ(MessageOf([&] { table.SaveIfChanged(); }),
              "Impossible de créer le fichier \"" + file().string() + "\". Is a directory");
    EXPECT_TRUE(table.Changed());
    EXPECT_EQ(table.FieldByName("NOM_PROF").AsString(), "Atelier");
    fs::remove(file());
    table.SaveIfChanged();
    EXPECT_FALSE(table.Changed());
    EXPECT_EQ(ReadFile(file()), std::string(kProfileHeader) + "\r\n1,Atelier\r\n2,Maison\r\n");
    for (const auto& entry : fs::directory_iterator(dir.path())) // no temporary file left
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

TEST_F(FileSafety, CloseThatCannotSaveKeepsRowsUntilTheNextOpenSavesThem) {
    table.SetFileName((dir / "sub" / "profils.csv").string());
    WriteFile(dir / "blocker", "");
    table.Open();
    table.Append();
    table.FieldByName("ID_PROF").SetAsInteger(1);
    table.Post();
    // A file where the directory should be makes every save fail.
    fs::rename(dir / "blocker", dir / "sub");
    const std::string message =
        "Impossible de créer le fichier \"" + (dir / "sub" / "profils.csv").string() + "\". ";
    EXPECT_EQ(MessageOf([&] { table.Close(); }).substr(0, message.size()), message);
    EXPECT_FALSE(table.IsActive());
    EXPECT_EQ(MessageOf([&] { table.Open(); }).substr(0, message.size()), message);
    EXPECT_FALSE(table.IsActive());
    fs::remove(dir / "sub");
    table.Open(); // saves the kept rows first, then reads them back
    EXPECT_EQ(table.RecordCount(), 1u);
    EXPECT_EQ(table.FieldByName("ID_PROF").AsInteger(), 1);
}

TEST_F(FileSafety, RowsKeptByAFailedCloseAreSavedWhenTheTableGoes) {
    {
        TCsvDataSet leaving("profils");
        SetUpProfileTable(leaving, dir);
        leaving.SetFileName((dir / "sub" / "profils.csv").string());
        leaving.Open();
        leaving.Append();
        leaving.Post();
        WriteFile(dir / "sub", ""); // a file where the directory should be
        EXPECT_THROW(leaving.Close(), Exception);
        fs::remove(dir / "sub");
    }
    EXPECT_EQ(ReadFile(dir / "sub" / "profils.csv"),
              std::string(kProfileHeader) + "\r\n,,,,,,,,,,,,\r\n");
}

TEST_F(FileSafety, SaveCreatesTheDirectory) {
    table.SetFileName((dir / "a" / "b" / "profils.csv").string());
    table.Open();
    table.Append();
    table.Post();
    table.Close();
    EXPECT_EQ(ReadFile(dir / "a" / "b" / "profils.csv"),
              std::string(kProfileHeader) + "\r\n,,,,,,,,,,,,\r\n");
}

TEST_F(FileSafety, SaveKeepsPermissionsAndWritesThroughASymlink) {
    fs::create_directory(dir / "real");
    WriteFile(dir / "real" / "target.csv", kTwoRows);
    fs::permissions(dir / "real" / "target.csv", fs::perms(0640));
    fs::create_symlink("real/target.csv", file());
    table.Open();
    Rename("Atelier");
    table.Close();
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(ReadFile(dir / "real" / "target.csv"),
              std::string(kProfileHeader) + "\r\n1,Atelier\r\n2,Maison\r\n");
    EXPECT_EQ(fs::status(dir / "real" / "target.csv").permissions() & fs::perms::all,
              fs::perms(0640));
}

// Runs `body` in a child process without root's privileges (root reads and
// writes everything) and returns the text it produced.
std::string WithoutPrivileges(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        const std::string result = body();
        [[maybe_unused]] const auto written = ::write(channel[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[512];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(count));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return result;
}

struct PermissionCase {
    const char* what;
    fs::perms file;
    fs::perms directory;
    bool opens;         // whether Open succeeds (then a change is saved)
    const char* prefix; // of the message
};

class Permissions : public FileSafety, public ::testing::WithParamInterface<PermissionCase> {};

TEST_P(Permissions, FailureIsReportedAndTheFileLeftAsItWas) {
    const PermissionCase& c = GetParam();
    WriteFile(file(), kTwoRows);
    fs::permissions(file(), c.file);
    fs::permissions(dir.path(), c.directory);
    const std::string outcome = WithoutPrivileges([&] {
        std::string message = MessageOf([&] { table.Open(); });
        if (!c.opens)
            return message + (table.IsActive() ? " (open)" : "");
        Rename("Atelier");
        message = MessageOf([&] { table.SaveIfChanged(); });
        return message + (table.Changed() ? "" : " (changed cleared)");
    });
    EXPECT_EQ(outcome,
              std::string(c.prefix) + " le fichier \"" + file().string() + "\". Permission denied");
    fs::permissions(dir.path(), fs::perms::owner_all);
    fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadFile(file()), kTwoRows);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

constexpr auto kAll = fs::perms::all;
constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto kReadOnlyDirectory =
    kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

INSTANTIATE_TEST_SUITE_P(Files, Permissions,
                         ::testing::Values(PermissionCase{"unreadable file", fs::perms::none, kAll,
                                                          false, "Impossible d'ouvrir"},
                                           PermissionCase{"read-only file", kReadOnly, kAll, true,
                                                          "Impossible de créer"},
                                           PermissionCase{"read-only directory", kAll,
                                                          kReadOnlyDirectory, true,
                                                          "Impossible de créer"}),
                         [](const ::testing::TestParamInfo<PermissionCase>& param) {
                             std::string name = param.param.what;
                             std::erase(name, ' ');
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(FileSafety, RelativeNameIsFixedAtOpening) {
    const fs::path before = fs::current_path();
    fs::create_directory(dir / "first");
    fs::create_directory(dir / "second");
    fs::current_path(dir / "first");
    table.SetFileName("profils.csv");
    table.Open();
    fs::current_path(dir / "second");
    table.Append();
    table.Post();
    table.SaveIfChanged();
    fs::current_path(before);
    EXPECT_TRUE(fs::exists(dir / "first" / "profils.csv"));
    EXPECT_FALSE(fs::exists(dir / "second" / "profils.csv"));
    EXPECT_EQ(table.FullPath(), dir / "first" / "profils.csv");
}

const char* const kNames[] = {"Ancien", "Nouveau"};

std::string Rows(int count, int variant) {
    std::string rows = std::string(kProfileHeader) + "\r\n";
    for (int i = 0; i < count; ++i)
        rows += std::to_string(i + 1) + "," + kNames[variant] + " profil " + std::to_string(i) +
                ",eth" + std::to_string(variant) + "\r\n";
    return rows;
}

// A writer that saves the table over and over, switching every row between
// the old and the new names, until it is killed.
[[noreturn]] void RewriteForever(const TempDir& dir, int rows) {
    TCsvDataSet writer("profils");
    SetUpProfileTable(writer, dir);
    writer.SetCsvUniqueKeys(false); // the keys stay as they are; spare the check
    writer.Open();
    TField& name = writer.FieldByName("NOM_PROF");
    TField& card = writer.FieldByName("CARTE_RESEAU");
    for (int variant = 1;; variant = 1 - variant) {
        writer.First();
        for (int i = 0; i < rows; ++i) {
            writer.Edit();
            name.SetAsString(std::string(kNames[variant]) + " profil " + std::to_string(i));
            card.SetAsString("eth" + std::to_string(variant));
            writer.Next();
        }
        writer.SaveIfChanged();
    }
}

pid_t StartWriter(const TempDir& dir, int rows) {
    const pid_t child = ::fork();
    if (child == 0)
        RewriteForever(dir, rows);
    return child;
}

void Stop(pid_t child) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

// How long a writer takes to its first completed save (the file is replaced by
// a new one then), so that the kills below fall before, in and after saves
// however fast this build runs.
std::chrono::microseconds TimeToFirstSave(const TempDir& dir, int rows) {
    struct stat before {};
    ::stat((dir / "profils.csv").c_str(), &before);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = StartWriter(dir, rows);
    struct stat now = before;
    while (::stat((dir / "profils.csv").c_str(), &now) == 0 && now.st_ino == before.st_ino &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    Stop(child);
    return std::chrono::duration_cast<std::chrono::microseconds>(elapsed);
}

// Writers killed at random moments: every file left behind holds either the
// old rows or the new ones, byte for byte, and opens.
TEST_F(FileSafety, KilledWriterLeavesOldOrNewRows) {
    constexpr int kRows = 1000;
    const std::string rows[] = {Rows(kRows, 0), Rows(kRows, 1)};
    WriteFile(file(), rows[0]);
    const auto firstSave = TimeToFirstSave(dir, kRows);
    std::mt19937 random(20261209);
    std::uniform_int_distribution<long> delays(0, firstSave.count() * 3);
    int seen[2] = {0, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (int run = 0; run < 20 || std::chrono::steady_clock::now() < deadline; ++run) {
        WriteFile(file(), rows[0]);
        const pid_t child = StartWriter(dir, kRows);
        ASSERT_GE(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delays(random)));
        Stop(child);
        const std::string left = ReadFile(file());
        ASSERT_TRUE(left == rows[0] || left == rows[1]) << "run " << run;
        ++seen[left == rows[1] ? 1 : 0];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    TCsvDataSet reader("profils");
    SetUpProfileTable(reader, dir);
    reader.Open();
    EXPECT_EQ(reader.RecordCount(), static_cast<std::size_t>(kRows));
}

} // namespace
} // namespace norvane::test
