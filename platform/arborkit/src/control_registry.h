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
void Remove(HWND window);
// The control that owns `window` and is still alive, or null.
std::shared_ptr<TreeListControl> Find(HWND window);

} // namespace ControlRegistry
} // namespace ArborkitLib

#endif // ARBORKIT_CONTROL_REGISTRY_H
