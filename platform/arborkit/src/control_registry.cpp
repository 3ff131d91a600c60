#include "control_registry.h"

#include <map>
#include <mutex>
#include <string>

namespace ArborkitLib {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<HWND, std::weak_ptr<TreeListControl>> controls;
};

// Never destroyed, so that controls released while the process exits can
// still remove themselves.
Registry& registry() {
    static Registry* instance = new Registry;
    return *instance;
}

} // namespace

void ControlRegistry::Add(HWND window, const std::weak_ptr<TreeListControl>& control) {
    std::lock_guard lock(registry().mutex);
    registry().controls[window] = control;
}

bool ControlRegistry::Release(HWND window, const std::weak_ptr<const TreeListControl>& control) {
    std::lock_guard lock(registry().mutex);
    auto it = registry().controls.find(window);
    if (it == registry().controls.end()) return true;
    // The same control when neither owner orders before the other; this
    // holds while the control is being destroyed too.
    if (it->second.owner_before(control) || control.owner_before(it->second)) return false;
    registry().controls.erase(it);
    return true;
}

std::shared_ptr<TreeListControl> ControlRegistry::Find(HWND window) {
    std::lock_guard lock(registry().mutex);
    auto it = registry().controls.find(window);
    return it == registry().controls.end() ? nullptr : it->second.lock();
}

std::shared_ptr<TreeListControl> ControlRegistry::FindLive(HWND window) {
    std::shared_ptr<TreeListControl> found = Find(window);
    if (!found) {
        throw ComponentError("no live tree-list control has the window " +
                             std::to_string(reinterpret_cast<std::intptr_t>(window)));
    }
    return found;
}

} // namespace ArborkitLib
