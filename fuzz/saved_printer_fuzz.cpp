// Arbitrary bytes as print.dat: the saved name is read without surprises and
// writing it back keeps a 255-byte record that reads the same.
#include "printing/printing.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace pickwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    const std::string name = savedPrinterFromBytes(bytes);
    if (name.size() > 255)
        __builtin_trap();
    const auto rewritten = savedPrinterBytes(bytes, name);
    if (rewritten.size() < 255 || savedPrinterFromBytes(rewritten) != name)
        __builtin_trap();
    return 0;
}
