// Prints the format catalogue and the format detected for a few file names.
#include "vexlan/vexlan.h"

#include <cstdio>

int main(int argc, char** argv) {
    VxInitializeMaps();

    std::printf("%-4s %-12s %-12s %s\n", "no.", "format", "host name", "filter");
    for (int type = 0; type < VX_GEOMETRY_COUNT; ++type) {
        char* hostName = gSolvaneGeomNames[type];
        std::printf("%-4d %-12s %-12s %s\n", type, VxGetGeometryNameFromType(type), hostName,
                    VxGetFileExtensions(hostName));
    }

    static const char* const kSamples[] = {
        "bracket.igs", "C:\\models\\wheel.CATPart",
        "housing.stp", "gear.prt",
        "gear.prt.3",  "body.x_b",
        "notes.txt",   "archive.d/readme",
    };
    std::printf("\n%-28s %s\n", "file", "detected format");
    for (const char* sample : kSamples) {
        const int type = VxGetGeometryTypeFromFile(const_cast<char*>(sample));
        std::printf("%-28s %d %s\n", sample, type, VxGetGeometryNameFromType(type));
    }
    for (int i = 1; i < argc; ++i) {
        const int type = VxGetGeometryTypeFromFile(argv[i]);
        std::printf("%-28s %d %s\n", argv[i], type, VxGetGeometryNameFromType(type));
    }
    return 0;
}
