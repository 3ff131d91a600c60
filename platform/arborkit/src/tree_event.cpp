// TreeEvent: the subscriber list of a control.
#include "arborkit/arborkit.h"
#include "journal.h"

#include <algorithm>

namespace ArborkitLib {

TreeEventHandler::TreeEventHandler(std::shared_ptr<void> target, Method method)
    : target_(std::move(target)), method_(method) {
    if (method_ == nullptr) throw ComponentError("a TreeEventHandler needs a method");
}

void TreeEventHandler::operator()(IntPtr handle, TreeEventType type,
                                  const std::shared_ptr<EventArgs>& data) const {
    method_(target_.get(), handle, type, data);
}

bool TreeEventHandler::SameAs(const TreeEventHandler& other) const noexcept {
    return target_.get() == other.target_.get() && method_ == other.method_;
}

void TreeEvent::Add(TreeEventHandler handler) {
    handlers_.push_back(std::move(handler));
    Journal::Line("TreeEvent.Add").Write();
}

void TreeEvent::Remove(const TreeEventHandler& handler) {
    auto last = std::find_if(handlers_.rbegin(), handlers_.rend(),
                             [&](const TreeEventHandler& h) { return h.SameAs(handler); });
    if (last != handlers_.rend()) handlers_.erase(std::next(last).base());
    Journal::Line("TreeEvent.Remove").Write();
}

bool TreeEvent::IsSubscribed(const TreeEventHandler& handler) const noexcept {
    return std::any_of(handlers_.begin(), handlers_.end(),
                       [&](const TreeEventHandler& h) { return h.SameAs(handler); });
}

void TreeEvent::Raise(IntPtr handle, TreeEventType type, const std::shared_ptr<EventArgs>& data) {
    // The copy keeps every handler's target alive until the raise is over,
    // even if a handler drops the last other reference to one of them.
    const std::vector<TreeEventHandler> snapshot = handlers_;
    for (const TreeEventHandler& handler : snapshot) {
        if (IsSubscribed(handler)) handler(handle, type, data);
    }
}

} // namespace ArborkitLib
