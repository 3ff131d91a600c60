// Stand-in for a subset of the Win32 window API, for platforms without it.
//
// Do not include this header directly: include "winapi/windows_api.h",
// which picks the real API on Windows and this one elsewhere.
//
// What the stand-in offers, with the Win32 names and signatures:
//   * window classes (RegisterClassW) and windows (CreateWindowExW,
//     DestroyWindow, IsWindow) with a window procedure each;
//   * parent links (GetParent, SetParent);
//   * synchronous messages (SendMessageW, DefWindowProcW).
//
// How it behaves, where Win32 leaves room or the subset is smaller:
//   * A window handle is an opaque number that is never handed out twice in
//     a process, so a handle kept after DestroyWindow stays invalid: IsWindow
//     says FALSE and every call given it fails or does nothing.
//   * SendMessageW calls the target window's procedure on the calling thread
//     before it returns, and returns what the procedure returned. Sending to
//     a null or destroyed window calls nothing and returns 0.
//   * The stand-in sends no messages of its own (no creation, sizing,
//     painting or destruction messages): a window procedure sees exactly the
//     messages that callers send it. DefWindowProcW therefore has nothing to
//     do and returns 0.
//   * There is no screen and no desktop window: positions and sizes given
//     to CreateWindowExW are accepted and not used, and where Win32 would
//     name the desktop window (the parent of a window given none by
//     SetParent, the previous parent of a top-level window) the stand-in
//     gives null.
//   * Of the window styles only WS_CHILD has a meaning, the Win32 one: a
//     child window needs a parent when it is created, and GetParent reports
//     a window's parent only when the window has that style. A window
//     without it that is created with, or given, a parent is a top-level
//     window owned by that parent.
//   * DestroyWindow destroys the window and every window below it (its
//     children and owned windows, and theirs).
//   * SetParent refuses to make a window its own ancestor.
//   * Class names compare case-insensitively for ASCII letters, as in Win32.
//   * The functions may be called from any thread (the state is guarded by
//     a lock that is never held while a window procedure runs).
//
// LONG and ULONG are 32 bits wide here as on Windows, so interfaces whose
// "long" means 32 bits can spell it LONG on every platform.
#ifndef WINAPI_WINDOW_API_STANDIN_H
#define WINAPI_WINDOW_API_STANDIN_H

#include <cstdint>

#if defined(WINAPI_STANDIN_BUILDING)
#define WINAPI_STANDIN_API __attribute__((visibility("default")))
#else
#define WINAPI_STANDIN_API
#endif

// Calling-convention markers: meaningful on 32-bit Windows only.
#define WINAPI
#define CALLBACK

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef int BOOL;
typedef unsigned int UINT;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef unsigned short ATOM;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef void* LPVOID;
typedef const wchar_t* LPCWSTR;

struct HWND__;
typedef HWND__* HWND;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
struct HMENU__;
typedef HMENU__* HMENU;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

// A window class. Of the Win32 members, the stand-in has those below, in the
// same order; style and hInstance are stored and have no effect.
typedef struct tagWNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    HINSTANCE hInstance;
    LPCWSTR lpszClassName;
} WNDCLASSW;

// A rectangle by its edges; right and bottom lie just outside it.
typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT;

// First message number free for a window class's private messages.
#define WM_USER 0x0400

// Window style of a child window.
#define WS_CHILD 0x40000000L

extern "C" {

// Registers a window class. Returns a non-zero class atom, or 0 when the
// class is null, has no procedure or no name, or a class of that name exists.
WINAPI_STANDIN_API ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass);

// Creates a window of a registered class (named, or given as its atom),
// placed below hWndParent when that is not null (as a child with WS_CHILD in
// dwStyle, as an owned window without). Returns null when the class is
// unknown, hWndParent is neither null nor a window, or a WS_CHILD window is
// given no parent.
WINAPI_STANDIN_API HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName,
                                               LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                                               int nWidth, int nHeight, HWND hWndParent,
                                               HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);

// Destroys a window and its descendants. FALSE when hWnd is not a window.
WINAPI_STANDIN_API BOOL WINAPI DestroyWindow(HWND hWnd);

// TRUE while hWnd names a window that has not been destroyed.
WINAPI_STANDIN_API BOOL WINAPI IsWindow(HWND hWnd);

// The parent of a WS_CHILD window; null for any other window or a non-window.
WINAPI_STANDIN_API HWND WINAPI GetParent(HWND hWnd);

// Places hWndChild below hWndNewParent (null: nowhere), keeping its style.
// Returns the window it was below before; null also when it fails
// (hWndChild or a non-null hWndNewParent is not a window, or hWndNewParent is
// hWndChild or below it).
WINAPI_STANDIN_API HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent);

// Calls the window's procedure with the message and returns its result;
// 0 without calling anything when hWnd is not a window.
WINAPI_STANDIN_API LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// Default processing of a message: the stand-in has none and returns 0.
WINAPI_STANDIN_API LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

} // extern "C"

#endif // WINAPI_WINDOW_API_STANDIN_H
