// Vexlan: CAD model translation plug-in.
//
// This is the host's view of the library: the entry point and its function
// table, the version functions, the format catalogue, the two conversions,
// the message and progress hooks, and the option-data functions.
//
// Conventions at this boundary:
//   * integer results: 1 success, 0 failure or missing argument, -1 for a
//     conversion stopped by the host;
//   * texts are zero-terminated 8-bit strings; the library only reads the
//     caller's strings during the call and never keeps them;
//   * texts returned by the library belong to the library;
//   * the function table and the option arrays are allocated with malloc and
//     belong to the caller, who releases them with free.
#ifndef VEXLAN_VEXLAN_H
#define VEXLAN_VEXLAN_H

#include <map>

// Export seam: the one place that knows how a symbol leaves the library.
#if defined(_WIN32)
#if defined(VEXLAN_BUILDING)
#define VEXLAN_API __declspec(dllexport)
#else
#define VEXLAN_API __declspec(dllimport)
#endif
#else
#define VEXLAN_API __attribute__((visibility("default")))
#endif

// ---------------------------------------------------------------------------
// Format catalogue
// ---------------------------------------------------------------------------

// The number that names a CAD format across the interface. Functions pass it
// as a plain int; VX_UNKNOWN (12) means "no known format".
enum VexlanGeometryType : int {
    VX_CATIAV4 = 0,
    VX_CATIAV5 = 1,
    VX_IGES = 2,
    VX_KARVEX = 3,
    VX_JT = 4,
    VX_ACIS = 5,
    VX_PARASOLID = 6,
    VX_PROE = 7,
    VX_SOLIDWORKS = 8,
    VX_STEP = 9,
    VX_UG = 10,
    VX_VDA = 11,
    VX_UNKNOWN = 12,
};

// Number of catalogue entries, the unknown format included.
inline constexpr int VX_GEOMETRY_COUNT = 13;

// Display names ("IGES") and host names ("igs"), indexed by type; entry 12
// is the empty text. Constant for the life of the library: never write
// through these pointers.
extern VEXLAN_API char* gSupportedGeoms[VX_GEOMETRY_COUNT];
extern VEXLAN_API char* gSolvaneGeomNames[VX_GEOMETRY_COUNT];

// Type -> display name and type -> host name. Empty from load until the
// first call of vexlan_entry_point (or VxInitializeMaps) fills them with the
// 13 entries 0..12; nothing changes them afterwards.
extern VEXLAN_API std::map<VexlanGeometryType, const char*> gMapGeometry;
extern VEXLAN_API std::map<VexlanGeometryType, const char*> gMapSolvaneNames;

// Fills both maps from the two arrays. Filling twice changes nothing.
VEXLAN_API void VxInitializeMaps();

// Format of a file judged by the extension of its name (the file is not
// opened). 12 when no rule matches or the name is null or empty.
VEXLAN_API int VxGetGeometryTypeFromFile(char* fileName);
// Type whose display name equals the argument exactly; 12 if none.
VEXLAN_API int VxGetGeometryTypeFromName(char* displayName);
// Type whose host name equals the argument exactly; 12 if none.
VEXLAN_API int VxGetGeometryTypeFromSolvaneName(char* hostName);
// Display name of a type; the empty text for a type without entry; null
// before the catalogue is filled.
VEXLAN_API const char* VxGetGeometryNameFromType(int type);
// Host name of a type; same rules as VxGetGeometryNameFromType.
VEXLAN_API const char* VxGetGeometrySolvaneNameFromType(int type);
// File-dialog filter of the format with that host name, such as
// "IGES Files (*.igs;*.iges)", or "*.*". The returned text stays valid only
// until the next call with a non-empty argument: copy it.
VEXLAN_API const char* VxGetFileExtensions(char* hostName);

// ---------------------------------------------------------------------------
// Conversions
// ---------------------------------------------------------------------------

// CAD file of format `geometryType` -> Parasolid file. `optionFile` and
// `logFile` may be null or empty. Returns 1 on success, -1 when the host
// stopped the conversion through its progress function, 0 otherwise (after
// one message to the host when something failed unexpectedly).
VEXLAN_API int VxConvertToParasolid(char* inputFile, int geometryType, char* outputFile,
                                    char* optionFile, char* logFile, int translateHidden);
// Parasolid file -> CAD file of format `geometryType`. Results as above.
VEXLAN_API int VxConvertFromParasolid(char* inputFile, char* outputFile, int geometryType,
                                      char* optionFile, char* logFile);

// ---------------------------------------------------------------------------
// Host messages and progress
// ---------------------------------------------------------------------------

// Shows `text` in the host at `level` (0..2; anything else becomes 0).
VEXLAN_API void ReportMessageToSolvane(char* text, int level);
// Installs the host's progress function, a void(*)(double, int&); the next
// conversion hands it to the translator. A null pointer changes nothing.
VEXLAN_API void VxSetProgressCallback(void* progressFunction);

// ---------------------------------------------------------------------------
// Option files and option data
// ---------------------------------------------------------------------------

// Reads the header of a user option file: writes the display name of its
// format into `formatName` (at least 11 bytes) and 1 (reader) or 0 (writer)
// into `isReader` (0 also when the file names no direction). Returns 0 when
// an argument is missing, else 1.
VEXLAN_API int VxGetTypeOfOptFile(char* optionFile, char* formatName, int* isReader);
// The master option set of a format and direction as three malloc'ed arrays
// of malloc'ed strings (names, values, detail texts) and a count. Returns 1
// when arrays were handed out; the caller frees every string, then every
// array. Otherwise (no options, or no memory) the arrays are null and the
// count is 0.
VEXLAN_API int VxGetCadOptionData(int geometryType, int isReader, char*** names, char*** values,
                                  char*** details, int* count);
// The option set that a user option file leaves, as VxGetCadOptionData does,
// with the format and direction read from the file's header.
VEXLAN_API int VxGetCadOptionDataFromFile(char* optionFile, int* geometryType, int* isReader,
                                          char*** names, char*** values, char*** details,
                                          int* count);

// ---------------------------------------------------------------------------
// Entry point, function table and versions
// ---------------------------------------------------------------------------

// The twelve slots that vexlan_entry_point hands out. The slot order is the
// contract with the host: consecutive pointer-sized slots, nothing before or
// between them, never reordered.
struct VexlanFunctionTable {
    int (*VxGetGeometryTypeFromFile)(char*);                              // slot 0
    int (*VxGetGeometryTypeFromName)(char*);                              // slot 1
    int (*VxGetGeometryTypeFromSolvaneName)(char*);                       // slot 2
    const char* (*VxGetGeometryNameFromType)(int);                        // slot 3
    const char* (*VxGetGeometrySolvaneNameFromType)(int);                 // slot 4
    int (*VxGetTypeOfOptFile)(char*, char*, int*);                        // slot 5
    const char* (*VxGetFileExtensions)(char*);                            // slot 6
    int (*VxGetCadOptionData)(int, int, char***, char***, char***, int*); // slot 7
    int (*VxGetCadOptionDataFromFile)(char*, int*, int*, char***, char***, char***,
                                      int*);                           // slot 8
    int (*VxConvertToParasolid)(char*, int, char*, char*, char*, int); // slot 9
    int (*VxConvertFromParasolid)(char*, char*, int, char*, char*);    // slot 10
    void (*VxSetProgressCallback)(void*);                              // slot 11
};

extern "C" {
// Returns a new malloc'ed table that the caller owns. The first call fills
// the format catalogue; it must return before any other call enters the
// library.
VEXLAN_API VexlanFunctionTable* vexlan_entry_point();
// Prints the build-information block to standard output and returns the
// release version text.
VEXLAN_API const char* Vexlan_version();
// Returns the release version text; prints nothing.
VEXLAN_API const char* Vexlan_build_version();
}

#endif // VEXLAN_VEXLAN_H
