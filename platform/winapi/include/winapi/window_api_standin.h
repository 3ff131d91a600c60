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
//   * There is no screen: window styles, positions and sizes given to
//     CreateWindowExW are accepted and not used; a window is "top-level"
//     when it has no parent. Class names compare case-insensitively for
//     ASCII letters, as in Win32.
//   * DestroyWindow destroys the window and all its descendants.
//   * SetParent refuses to make a window its own ancestor.
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

extern "C" {

// Registers a window class. Returns a non-zero class atom, or 0 when the
// class is null, has no procedure or no name, or a class of that name exists.
WINAPI_STANDIN_API ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass);

// Creates a window of a registered class (named, or given as its atom), as a
// child of hWndParent when that is not null. Returns null when the class is
// unknown or hWndParent is not a window.
WINAPI_STANDIN_API HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName,
                                               LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                                               int nWidth, int nHeight, HWND hWndParent,
                                               HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);

// Destroys a window and its descendants. FALSE when hWnd is not a window.
WINAPI_STANDIN_API BOOL WINAPI DestroyWindow(HWND hWnd);

// TRUE while hWnd names a window that has not been destroyed.
WINAPI_STANDIN_API BOOL WINAPI IsWindow(HWND hWnd);

// The window's parent, or null for a top-level window or a non-window.
WINAPI_STANDIN_API HWND WINAPI GetParent(HWND hWnd);

// Makes hWndNewParent (null: none) the parent of hWndChild. Returns the
// previous parent; null also when it fails (hWndChild or a non-null
// hWndNewParent is not a window, or hWndNewParent is hWndChild or one of its
// descendants).
WINAPI_STANDIN_API HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent);

// Calls the window's procedure with the message and returns its result;
// 0 without calling anything when hWnd is not a window.
WINAPI_STANDIN_API LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// Default processing of a message: the stand-in has none and returns 0.
WINAPI_STANDIN_API LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

} // extern "C"

#endif // WINAPI_WINDOW_API_STANDIN_H
