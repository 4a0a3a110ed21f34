// Fuzzes the reader of the coefficient table "par.tab": any bytes are either
// read into all 24 records or refused with a message naming the file, and a
// refused file leaves the table as it was.
#include "FuzzSupport.h"

#include "core/reference/ParTableFile.h"

#include <cstddef>
#include <cstdint>

using namespace hydrim;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratchFile(fuzz::ScratchDirectory(), ParTableFileName,
                                                    {reinterpret_cast<const char*>(data), size});
    ParTable table;
    table.Values[1][1] = {-7, -7, -7}; // a marker a refused file must keep
    const std::string error = ReadParTable(path, table).Message;
    if (!error.empty()) {
        fuzz::Require(error.find(path) != std::string::npos, "the message names the file");
        fuzz::Require(table.Values[1][1][0] == -7, "a refused file leaves the table untouched");
    }
    return 0;
}
