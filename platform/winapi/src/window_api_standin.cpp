// The window API stand-in: a registry of window classes and windows.
#include "winapi/windows_api.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Win32 class atoms lie in 0xC000..0xFFFF; a class name pointer below 0x10000
// is such an atom rather than a string.
constexpr ATOM kFirstAtom = 0xC000;
constexpr std::uintptr_t kAtomLimit = 0x10000;

struct WindowClass {
    ATOM atom;
    WNDPROC procedure;
};

struct Window {
    WNDPROC procedure;
    DWORD style;
    std::uintptr_t parent; // the window this one is below (parent or owner); 0: none
};

// Class names compare case-insensitively for ASCII letters.
std::wstring classKey(LPCWSTR name) {
    std::wstring key(name);
    for (wchar_t& c : key) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return key;
}

class Registry {
public:
    // Never destroyed, so that windows may still be destroyed while the
    // process exits (for instance by the destructors of static objects).
    static Registry& instance() {
        static Registry* registry = new Registry;
        return *registry;
    }

    ATOM registerClass(const WNDCLASSW& cls) {
        std::lock_guard lock(mutex_);
        std::wstring key = classKey(cls.lpszClassName);
        if (classes_.count(key) != 0 || nextAtom_ == 0) return 0;
        const ATOM atom = nextAtom_;
        nextAtom_ = static_cast<ATOM>(nextAtom_ + 1); // wraps to 0 when the atoms run out
        classes_.emplace(std::move(key), WindowClass{atom, cls.lpfnWndProc});
        return atom;
    }

    HWND create(LPCWSTR className, DWORD style, HWND parent) {
        std::lock_guard lock(mutex_);
        const WindowClass* cls = findClass(className);
        if (cls == nullptr) return nullptr;
        const std::uintptr_t parentId = id(parent);
        if (parentId != 0 && windows_.count(parentId) == 0) return nullptr;
        if (parentId == 0 && (style & WS_CHILD) != 0) return nullptr;
        const std::uintptr_t handle = nextHandle_++;
        windows_.emplace(handle, Window{cls->procedure, style, parentId});
        return reinterpret_cast<HWND>(handle);
    }

    bool destroy(HWND hWnd) {
        std::lock_guard lock(mutex_);
        if (windows_.count(id(hWnd)) == 0) return false;
        // Children first would need recursion; collecting the whole subtree
        // up front keeps it a loop.
        std::vector<std::uintptr_t> doomed{id(hWnd)};
        for (std::size_t i = 0; i < doomed.size(); ++i) {
            for (const auto& [handle, window] : windows_) {
                if (window.parent == doomed[i]) doomed.push_back(handle);
            }
        }
        for (std::uintptr_t handle : doomed)
            windows_.erase(handle);
        return true;
    }

    bool exists(HWND hWnd) {
        std::lock_guard lock(mutex_);
        return windows_.count(id(hWnd)) != 0;
    }

    HWND parentOf(HWND hWnd) {
        std::lock_guard lock(mutex_);
        auto it = windows_.find(id(hWnd));
        if (it == windows_.end() || (it->second.style & WS_CHILD) == 0) return nullptr;
        return reinterpret_cast<HWND>(it->second.parent);
    }

    HWND reparent(HWND child, HWND newParent) {
        std::lock_guard lock(mutex_);
        auto it = windows_.find(id(child));
        if (it == windows_.end()) return nullptr;
        const std::uintptr_t parentId = id(newParent);
        if (parentId != 0) {
            if (windows_.count(parentId) == 0) return nullptr;
            // Walk up from the new parent: meeting the child would make a loop.
            for (std::uintptr_t up = parentId; up != 0; up = windows_.at(up).parent) {
                if (up == it->first) return nullptr;
            }
        }
        const std::uintptr_t previous = it->second.parent;
        it->second.parent = parentId;
        return reinterpret_cast<HWND>(previous);
    }

    WNDPROC procedureOf(HWND hWnd) {
        std::lock_guard lock(mutex_);
        auto it = windows_.find(id(hWnd));
        return it == windows_.end() ? nullptr : it->second.procedure;
    }

private:
    static std::uintptr_t id(HWND hWnd) { return reinterpret_cast<std::uintptr_t>(hWnd); }

    const WindowClass* findClass(LPCWSTR className) const {
        if (className == nullptr) return nullptr;
        const auto atomOrName = reinterpret_cast<std::uintptr_t>(className);
        if (atomOrName < kAtomLimit) {
            for (const auto& [key, cls] : classes_) {
                if (cls.atom == atomOrName) return &cls;
            }
            return nullptr;
        }
        auto it = classes_.find(classKey(className));
        return it == classes_.end() ? nullptr : &it->second;
    }

    std::mutex mutex_;
    std::map<std::wstring, WindowClass> classes_;
    std::map<std::uintptr_t, Window> windows_;
    ATOM nextAtom_ = kFirstAtom;
    // Handles count up from here and are never reused.
    std::uintptr_t nextHandle_ = 0x10000;
};

} // namespace

extern "C" {

ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass) {
    if (lpWndClass == nullptr || lpWndClass->lpfnWndProc == nullptr ||
        lpWndClass->lpszClassName == nullptr ||
        reinterpret_cast<std::uintptr_t>(lpWndClass->lpszClassName) < kAtomLimit) {
        return 0;
    }
    return Registry::instance().registerClass(*lpWndClass);
}

HWND WINAPI CreateWindowExW(DWORD, LPCWSTR lpClassName, LPCWSTR, DWORD dwStyle, int, int, int, int,
                            HWND hWndParent, HMENU, HINSTANCE, LPVOID) {
    return Registry::instance().create(lpClassName, dwStyle, hWndParent);
}

BOOL WINAPI DestroyWindow(HWND hWnd) { return Registry::instance().destroy(hWnd) ? TRUE : FALSE; }

BOOL WINAPI IsWindow(HWND hWnd) { return Registry::instance().exists(hWnd) ? TRUE : FALSE; }

HWND WINAPI GetParent(HWND hWnd) { return Registry::instance().parentOf(hWnd); }

HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent) {
    return Registry::instance().reparent(hWndChild, hWndNewParent);
}

LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    // The lock is released before the procedure runs: it may create, destroy
    // or send to windows, its own included.
    const WNDPROC procedure = Registry::instance().procedureOf(hWnd);
    return procedure == nullptr ? 0 : procedure(hWnd, Msg, wParam, lParam);
}

LRESULT WINAPI DefWindowProcW(HWND, UINT, WPARAM, LPARAM) { return 0; }

} // extern "C"
