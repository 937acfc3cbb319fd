// The .xlsx reader, fed what libFuzzer makes of workbooks that Calc saved and of the cells
// written by hand beside them.
#include "fuzz/spreadsheet_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::fuzz_spreadsheet(data, size, "f.xlsx");
    return 0;
}
