// Cost of the profile table's everyday operations as the table grows: opening
// (read and parse the whole file), walking every row as the list refresh does,
// Locate by name and an edit with its key check (both on the last row, the
// worst case), and a save (the whole file rewritten and synced to disk).
#include "store/CsvDataSet.h"
#include "store/Field.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using norvane::TCsvDataSet;

const char kProfileDef[] =
    "ID_PROF:%,NOM_PROF:$50,CARTE_RESEAU:$254,CONNEXION:$200,ADRESSE_IP:$50,MASK_RESEAU:$50,"
    "PASSRELLE_RESEAU:$50,DNS1:$50,DNS2:$50,DHCP:!,DNS_AUTO:!,IMAGE:%,ACTIVE:$1";

std::string ProfileName(long i) {
    return "Profil " + std::to_string(i);
}

// One file per table size, written once and removed at exit.
class Files {
public:
    ~Files() {
        std::error_code ignored;
        if (!directory_.empty())
            fs::remove_all(directory_, ignored);
    }

    fs::path For(long profiles) {
        if (directory_.empty()) {
            std::string pattern = (fs::temp_directory_path() / "norvane-bench-XXXXXX").string();
            if (!::mkdtemp(pattern.data()))
                std::abort();
            directory_ = pattern;
        }
        const fs::path file = directory_ / ("profils-" + std::to_string(profiles) + ".csv");
        if (written_[profiles]++ == 0)
            Write(file, profiles);
        return file;
    }

private:
    static void Write(const fs::path& file, long profiles) {
        std::ofstream out(file, std::ios::binary);
        out << "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,PASSRELLE_RESEAU,"
               "DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE\r\n";
        for (long i = 1; i <= profiles; ++i)
            out << i << ',' << ProfileName(i) << ",Local Area Connection," << i % 8 << ",192.168.1."
                << i % 250 << ",255.255.255.0,192.168.1.1,192.168.1.1,,0,0," << i % 18 << ",0\r\n";
    }

    fs::path directory_;
    std::map<long, int> written_;
};

Files files;

void SetUp(TCsvDataSet& table, long profiles) {
    table.SetFileName(files.For(profiles).string());
    table.SetCsvFieldDef(kProfileDef);
    table.SetCsvKeyDef("ID_PROF");
    table.SetCsvUniqueKeys(true);
}

void BM_Open(benchmark::State& state) {
    TCsvDataSet table("profils");
    SetUp(table, state.range(0));
    for (auto _ : state) {
        table.Open();
        table.Close();
    }
    state.SetComplexityN(state.range(0));
}

void BM_Walk(benchmark::State& state) {
    TCsvDataSet table("profils");
    SetUp(table, state.range(0));
    table.Open();
    auto& id = table.FieldByName("ID_PROF");
    auto& name = table.FieldByName("NOM_PROF");
    auto& image = table.FieldByName("IMAGE");
    auto& active = table.FieldByName("ACTIVE");
    for (auto _ : state) {
        for (table.First(); !table.Eof(); table.Next()) {
            benchmark::DoNotOptimize(id.AsInteger());
            benchmark::DoNotOptimize(name.AsString());
            benchmark::DoNotOptimize(image.AsInteger());
            benchmark::DoNotOptimize(active.AsString());
        }
    }
    state.SetComplexityN(state.range(0));
}

void BM_LocateLast(benchmark::State& state) {
    TCsvDataSet table("profils");
    SetUp(table, state.range(0));
    table.Open();
    const std::string last = ProfileName(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(table.Locate("nom_prof", last));
    state.SetComplexityN(state.range(0));
}

void BM_EditPost(benchmark::State& state) {
    TCsvDataSet table("profils");
    SetUp(table, state.range(0));
    table.Open();
    table.SetSavesChanges(false); // the file stays as generated
    table.Last();                 // the key check scans up to the edited row: the worst case
    auto& active = table.FieldByName("ACTIVE");
    for (auto _ : state) {
        table.Edit();
        active.SetAsString("1");
        table.Post();
    }
    state.SetComplexityN(state.range(0));
}

void BM_Save(benchmark::State& state) {
    TCsvDataSet table("profils");
    SetUp(table, state.range(0));
    table.Open();
    for (auto _ : state) {
        table.SetChanged(true);
        table.SaveIfChanged();
    }
    state.SetComplexityN(state.range(0));
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(100)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Open)->Apply(Sizes);
BENCHMARK(BM_Walk)->Apply(Sizes);
BENCHMARK(BM_LocateLast)->Apply(Sizes);
BENCHMARK(BM_EditPost)->Apply(Sizes);
BENCHMARK(BM_Save)->Apply(Sizes);

} // namespace

BENCHMARK_MAIN();
