// The live controls of the process, by window handle: what lets the test
// seams reach a control from nothing but its window.
#ifndef ARBORKIT_CONTROL_REGISTRY_H
#define ARBORKIT_CONTROL_REGISTRY_H

#include "arborkit/arborkit.h"

#include <memory>

namespace ArborkitLib {

class TreeListControl;

namespace ControlRegistry {

void Add(HWND window, const std::weak_ptr<TreeListControl>& control);
// Forgets `window` unless it is registered to another control than
// `control` (alive or not); false when it is. A window handle can be reused
// once its window is gone, so the entry may by now belong to another
// control: that one stays.
bool Release(HWND window, const std::weak_ptr<const TreeListControl>& control);
// The control that owns `window` and is still alive, or null.
std::shared_ptr<TreeListControl> Find(HWND window);
// The same, where there must be one: a ComponentError when there is none.
std::shared_ptr<TreeListControl> FindLive(HWND window);

} // namespace ControlRegistry
} // namespace ArborkitLib

#endif // ARBORKIT_CONTROL_REGISTRY_H
