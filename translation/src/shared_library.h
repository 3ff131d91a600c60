// Run-time loading of shared libraries: the one seam between the library
// and the platform's dynamic loader (dlopen off Windows, LoadLibrary on it).
#ifndef VEXLAN_SHARED_LIBRARY_H
#define VEXLAN_SHARED_LIBRARY_H

#include <string>

namespace vexlan {

using LibraryHandle = void*;

// The file name the platform gives a shared library called `baseName`:
// "libslvcore.so" off Windows, "slvcore.dll" on it.
std::string sharedLibraryFileName(const std::string& baseName);

// Loads a library by file name through the platform's usual search
// (LD_LIBRARY_PATH and RUNPATH off Windows, the DLL search order on it).
// Null when it cannot be loaded; lastLoaderError() then says why.
LibraryHandle loadSharedLibrary(const std::string& fileName);

// Address of an exported symbol, or null when the library has none.
void* findSymbol(LibraryHandle library, const char* name);

// Releases a library loaded by loadSharedLibrary.
void unloadSharedLibrary(LibraryHandle library);

// The loader's description of the last failure on this thread.
std::string lastLoaderError();

} // namespace vexlan

#endif // VEXLAN_SHARED_LIBRARY_H
