// The factory and the stand-in's test seams.
#include "arborkit/arborkit.h"
#include "control_registry.h"
#include "journal.h"
#include "tree_list_control.h"

namespace ArborkitLib {

std::shared_ptr<ITreeListControl> TreeComponentFactory::CreateTreeControl() {
    std::shared_ptr<TreeListControl> control = TreeListControl::Create();
    // Should the journal fail, the new control is released again here.
    Journal::Line("CreateTreeControl").Result(control->WindowHandle()).Write();
    return control;
}

void StandIn::RaiseEvent(HWND control, int eventType, std::shared_ptr<EventArgs> data) {
    ControlRegistry::FindLive(control)->RaiseTreeEvent(static_cast<TreeEventType>(eventType), data);
}

std::shared_ptr<ITreeListControl> StandIn::FindControl(HWND control) {
    return ControlRegistry::Find(control);
}

} // namespace ArborkitLib
