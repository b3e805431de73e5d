// Makes the shipped results and prize files at build time, and lays them into
// an installation folder that has none.
//
//   pickwise_shipdata build <draws.csv> <sa.rtl> <prizes.csv>
//   pickwise_shipdata lay <built file> <installed file>
#include "core/fileio.h"
#include "tools/shipdata.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    std::string error;
    if (command == "build" && argc == 5) {
        std::string summary;
        error = pickwise::shipdata::build(argv[2], argv[3], argv[4], summary);
        if (error.empty())
            std::printf("%s\n", summary.c_str());
    } else if (command == "lay" && argc == 4) {
        bool laid = false;
        error = pickwise::copyIfMissing(argv[2], argv[3], laid);
        if (error.empty())
            std::printf("%s %s\n", argv[3], laid ? "laid" : "kept: it is there already");
    } else {
        std::fprintf(stderr,
            "usage: %s build <draws.csv> <sa.rtl> <prizes.csv>\n"
            "       %s lay <built file> <installed file>\n",
            argv[0], argv[0]);
        return 2;
    }
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
