// The profile file on disk: bad files never crash or lose data, saves are atomic.
#include "StoreTestSupport.h"
#include "store/Field.h"

#include <chrono>
#include <csignal>
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

TEST_F(FileSafety, ADirectoryInPlaceOfTheFileCannotBeOpenedOrSaved) {
    fs::create_directory(file());
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              "Impossible d'ouvrir le fichier \"" + file().string() + "\". Is a directory");
    EXPECT_FALSE(table.IsActive());
}

TEST_F(FileSafety, UnreadableFileIsReportedAndLeftAlone) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    WriteFile(file(), kTwoRows);
    fs::permissions(file(), fs::perms::none);
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              "Impossible d'ouvrir le fichier \"" + file().string() + "\". Permission denied");
    fs::permissions(file(), fs::perms::owner_read);
    EXPECT_EQ(ReadFile(file()), kTwoRows);
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

TEST_F(FileSafety, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write every file";
    WriteFile(file(), kTwoRows);
    fs::permissions(file(), fs::perms::owner_read);
    table.Open();
    Rename("Atelier");
    EXPECT_EQ(MessageOf([&] { table.SaveIfChanged(); }),
              "Impossible de créer le fichier \"" + file().string() + "\". Permission denied");
    EXPECT_EQ(ReadFile(file()), kTwoRows);
}

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

// Writers killed at random moments: every file left behind holds either the
// old rows or the new ones, byte for byte, and opens.
TEST_F(FileSafety, KilledWriterLeavesOldOrNewRows) {
    constexpr int kRows = 2000;
    const std::string rows[] = {Rows(kRows, 0), Rows(kRows, 1)};
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> delays(0, 40000);
    int seen[2] = {0, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (int run = 0; run < 20 || std::chrono::steady_clock::now() < deadline; ++run) {
        WriteFile(file(), rows[0]);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            RewriteForever(dir, kRows);
        std::this_thread::sleep_for(std::chrono::microseconds(delays(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
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
