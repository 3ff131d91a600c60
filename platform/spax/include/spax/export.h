// Export seam of the translator's two libraries: the one place that knows how
// a symbol leaves SPAXBase or SPAXConverter.
#ifndef SPAX_EXPORT_H
#define SPAX_EXPORT_H

#if defined(_WIN32)
#define SPAX_EXPORT_ __declspec(dllexport)
#define SPAX_IMPORT_ __declspec(dllimport)
#else
#define SPAX_EXPORT_ __attribute__((visibility("default")))
#define SPAX_IMPORT_ __attribute__((visibility("default")))
#endif

#if defined(SPAX_BUILDING_BASE)
#define SPAX_BASE_API SPAX_EXPORT_
#else
#define SPAX_BASE_API SPAX_IMPORT_
#endif

#if defined(SPAX_BUILDING_CONVERTER)
#define SPAX_CONVERTER_API SPAX_EXPORT_
#else
#define SPAX_CONVERTER_API SPAX_IMPORT_
#endif

#endif // SPAX_EXPORT_H
