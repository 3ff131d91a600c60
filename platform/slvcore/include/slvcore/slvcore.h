// slvcore: the host application's core library, as far as plug-ins use it.
//
// Plug-ins do not link it: they load it at run time (libslvcore.so,
// slvcore.dll) and look these functions up by name.
#ifndef SLVCORE_SLVCORE_H
#define SLVCORE_SLVCORE_H

#if defined(_WIN32)
#if defined(SLVCORE_BUILDING)
#define SLVCORE_API __declspec(dllexport)
#else
#define SLVCORE_API __declspec(dllimport)
#endif
#else
#define SLVCORE_API __attribute__((visibility("default")))
#endif

extern "C" {

// Shows `text` in the host's message display at `level` (0 information,
// 1 warning, 2 error; other levels are shown as given). Here the display is
// standard error, one line per message; with SLVCORE_MESSAGE_LOG=<path> each
// message is also appended to that file as <level> TAB <text> LF. A null
// text is shown as the empty text. Returns 0.
SLVCORE_API int msg_set_gui_message(int level, char* text);

// Writes into `buffer` (at least 1024 bytes) the path of a new, empty file
// with a unique, unpredictable name in the temporary directory, at most 1023
// bytes and zero-terminated, and returns `buffer`. The file exists, so the
// name cannot be taken by anyone else; the caller removes it. On failure the
// buffer holds the empty text and the result is null.
SLVCORE_API char* osd_tmpnam(char* buffer);
}

#endif // SLVCORE_SLVCORE_H
