// Feeds arbitrary bytes to the profile table as its profils.csv. Whatever the
// file holds, opening either fails with a message or gives a table that can be
// walked, searched, edited and saved; and what was saved opens again and reads
// exactly as the table showed it.
#include "store/CsvDataSet.h"
#include "store/Field.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using norvane::TCsvDataSet;

const char kProfileDef[] =
    "ID_PROF:%,NOM_PROF:$50,CARTE_RESEAU:$254,CONNEXION:$200,ADRESSE_IP:$50,MASK_RESEAU:$50,"
    "PASSRELLE_RESEAU:$50,DNS1:$50,DNS2:$50,DHCP:!,DNS_AUTO:!,IMAGE:%,ACTIVE:$1";

// A directory of this process's own, in memory when the system has one because
// every save syncs to disk. It exists only while one input runs, so a finished
// run leaves nothing behind.
class WorkDirectory {
public:
    WorkDirectory() {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = base / ("csv-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path_);
    }
    ~WorkDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    WorkDirectory(const WorkDirectory&) = delete;
    WorkDirectory& operator=(const WorkDirectory&) = delete;

    fs::path operator/(const char* name) const { return path_ / name; }

private:
    fs::path path_;
};

void Configure(TCsvDataSet& table, const fs::path& file, bool backslashes) {
    table.SetFileName(file.string());
    table.SetCsvFieldDef(kProfileDef);
    table.SetCsvKeyDef("ID_PROF");
    table.SetCsvUniqueKeys(true);
    table.SetEnquoteBackslash(backslashes);
}

// Every field of every row, as text.
std::vector<std::string> Snapshot(TCsvDataSet& table) {
    std::vector<std::string> values;
    for (table.First(); !table.Eof(); table.Next())
        for (norvane::TField* field : table.Fields()) {
            values.push_back(field->AsString());
            (void)field->AsInteger();
            (void)field->AsBoolean();
            (void)field->IsNull();
        }
    return values;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool backslashes = input.ConsumeBool();
    const std::string newName = input.ConsumeRandomLengthString(80);
    const std::string contents = input.ConsumeRemainingBytesAsString();

    const WorkDirectory directory;
    const fs::path file = directory / "profils.csv";
    const fs::path saved = directory / "saved.csv";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << contents;
    }
    TCsvDataSet table("profils");
    Configure(table, file, backslashes);
    try {
        table.Open();
    } catch (const norvane::Exception&) {
        Check(!table.IsActive());
        return 0;
    }
    if (table.RecordCount() > 0) {
        table.Last();
        const std::string lastName = table.FieldByName("NOM_PROF").AsString();
        Check(table.Locate("nom_prof", lastName));
        table.First();
        table.Edit();
        try {
            table.FieldByName("NOM_PROF").SetAsString(newName);
            table.Post();
        } catch (const norvane::Exception&) {
            table.Cancel(); // a duplicate key or a line grown too long
        }
    }
    const std::vector<std::string> shown = Snapshot(table);

    // Saved through a symbolic link, which the save must follow.
    fs::rename(file, saved);
    fs::create_symlink(saved, file);
    table.SetChanged(true);
    table.Close();
    fs::remove(file);

    TCsvDataSet again("profils");
    Configure(again, saved, backslashes);
    again.Open(); // must not fail: the table wrote it
    const std::vector<std::string> reread = Snapshot(again);
    if (reread != shown) {
        std::fprintf(stderr, "saved file reads differently: %zu values shown, %zu read\n",
                     shown.size(), reread.size());
        for (std::size_t i = 0; i < shown.size() && i < reread.size(); ++i)
            if (shown[i] != reread[i])
                std::fprintf(stderr, "value %zu: shown [%s] read [%s]\n", i, shown[i].c_str(),
                             reread[i].c_str());
        std::abort();
    }
    return 0;
}
