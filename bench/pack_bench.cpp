// Google Benchmark: reading question packs, as the game reads them before its first window, each
// beside a floor that does the same reading with nothing of the game's on top.
//
//   BM_ReadBuiltInPack    the 300 built-in questions, read and checked at every start
//   BM_ReadBuiltInFloor   its floor: the same text cut into its rows and fields, as strings
//   BM_LoadSpreadsheet    a player's 300 questions saved by Calc as .xlsx and as .ods, from the
//                         disk: unzipped, walked and checked
//   BM_LoadFloor          its floor: the same file read, the same entries unzipped with libzip and
//                         their XML parsed by expat with nothing done with it
#include "game/bank/bank.h"

#include <benchmark/benchmark.h>
#include <expat.h>
#include <zip.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

void BM_ReadBuiltInPack(benchmark::State& state)
{
    for (auto _ : state) {
        bank::Reading r = bank::read_pack(bank::built_in_text());
        if (!r.ok())
            state.SkipWithError("the built-in pack has problems");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadBuiltInPack)->Unit(benchmark::kMicrosecond);

void BM_ReadBuiltInFloor(benchmark::State& state)
{
    const std::string_view text = bank::built_in_text();
    for (auto _ : state) {
        std::vector<std::vector<std::string>> rows;
        for (std::size_t at = 0; at < text.size();) {
            std::size_t end = std::min(text.find('\n', at), text.size());
            std::vector<std::string>& row = rows.emplace_back();
            for (std::size_t f = at; f <= end;) {
                std::size_t tab = std::min(text.find('\t', f), end);
                row.emplace_back(text.substr(f, tab - f));
                f = tab + 1;
            }
            at = end + 1;
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ReadBuiltInFloor)->Unit(benchmark::kMicrosecond);

const std::string packs = RUVANTIA_SOURCE_DIR "/tests/packs/";

void BM_LoadSpreadsheet(benchmark::State& state, const char* file)
{
    for (auto _ : state) {
        bank::Reading r = bank::load_pack(packs + file);
        if (!r.ok())
            state.SkipWithError("the spreadsheet has problems");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK_CAPTURE(BM_LoadSpreadsheet, xlsx, "calc-livelli-numeri.xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSpreadsheet, ods, "calc-livelli-numeri.ods")->Unit(benchmark::kMillisecond);

void BM_LoadFloor(benchmark::State& state, const char* file, std::vector<const char*> entries)
{
    for (auto _ : state) {
        std::ifstream in(packs + file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, nullptr);
        zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, nullptr);
        if (!archive) {
            state.SkipWithError("not a zip archive");
            break;
        }
        for (const char* entry : entries) {
            zip_file_t* f = zip_fopen(archive, entry, 0);
            XML_Parser parser = XML_ParserCreateNS(nullptr, '|');
            std::array<char, 64 * 1024> buffer;
            for (zip_int64_t n = 1; f && n > 0;) {
                n = zip_fread(f, buffer.data(), buffer.size());
                XML_Parse(parser, buffer.data(), static_cast<int>(std::max<zip_int64_t>(n, 0)), n <= 0);
            }
            XML_ParserFree(parser);
            if (f)
                zip_fclose(f);
        }
        zip_discard(archive);
    }
}
BENCHMARK_CAPTURE(BM_LoadFloor, xlsx, "calc-livelli-numeri.xlsx",
    {"[Content_Types].xml", "xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/sharedStrings.xml",
        "xl/worksheets/sheet1.xml"})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
