// A program built against the installed package alone. It runs with
// "topdir" pointing at the installation's share/.
#include <vexlan/vexlan.h>
#include <vexlan/vexlan_options.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool catalogueWorks() {
    char name[] = "bracket.igs";
    const int type = VxGetGeometryTypeFromFile(name);
    if (type != VX_IGES || std::strcmp(VxGetGeometryNameFromType(type), "IGES") != 0) {
        std::fprintf(stderr, "unexpected catalogue answer %d\n", type);
        return false;
    }
    std::printf("installed package works: %s -> %s\n", name, VxGetGeometryNameFromType(type));
    return true;
}

// Every format and direction has options in the installed master options
// file, each with a detail text. Everything handed out is freed.
bool installedOptionsWork() {
    bool ok = true;
    for (int type = VX_CATIAV4; type < VX_UNKNOWN; ++type) {
        for (int isReader = 0; isReader <= 1; ++isReader) {
            char** names = nullptr;
            char** values = nullptr;
            char** details = nullptr;
            int count = 0;
            const int result =
                VxGetCadOptionData(type, isReader, &names, &values, &details, &count);
            int explained = 0;
            for (int i = 0; i < count; ++i) {
                if (details[i][0] != '\0') ++explained;
                std::free(names[i]);
                std::free(values[i]);
                std::free(details[i]);
            }
            std::free(names);
            std::free(values);
            std::free(details);
            const char* direction = isReader ? "reader" : "writer";
            if (result != 1 || count == 0 || explained != count) {
                std::fprintf(stderr, "%s %s: result %d, %d options, %d explained\n",
                             VxGetGeometryNameFromType(type), direction, result, count, explained);
                ok = false;
            } else {
                std::printf("%s %s: %d options\n", VxGetGeometryNameFromType(type), direction,
                            count);
            }
        }
    }
    return ok;
}

} // namespace

int main() {
    VxInitializeMaps();
    const bool catalogue = catalogueWorks();
    const bool options = installedOptionsWork();
    return catalogue && options ? 0 : 1;
}
