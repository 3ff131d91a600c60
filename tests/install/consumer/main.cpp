// A program built against the installed package alone.
#include <vexlan/vexlan.h>
#include <vexlan/vexlan_options.h>

#include <cstdio>
#include <cstring>

int main() {
    VxInitializeMaps();
    char name[] = "bracket.igs";
    const int type = VxGetGeometryTypeFromFile(name);
    if (type != VX_IGES || std::strcmp(VxGetGeometryNameFromType(type), "IGES") != 0) {
        std::fprintf(stderr, "unexpected catalogue answer %d\n", type);
        return 1;
    }
    std::printf("installed package works: %s -> %s\n", name, VxGetGeometryNameFromType(type));
    return 0;
}
