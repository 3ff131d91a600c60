#include "tree_list_message.h"

#include "event_forwarding.h"

#include <exception>

std::shared_ptr<NDXxXtraTreeListMessage> NDXxXtraTreeListMessage::Create() {
    std::shared_ptr<NDXxXtraTreeListMessage> message(
        new NDXxXtraTreeListMessage(ArborkitLib::TreeComponentFactory::CreateTreeControl()));
    try {
        message->m_tree->Events().Add(message->Handler());
    } catch (...) {
        // The handler refers back to the message: without Dispose neither
        // the control nor its window would ever be released.
        try {
            message->Dispose();
        } catch (...) {
            // The subscription's failure is the one to report.
        }
        throw;
    }
    return message;
}

ArborkitLib::TreeEventHandler NDXxXtraTreeListMessage::Handler() {
    return ArborkitLib::TreeEventHandler(shared_from_this(), &NDXxXtraTreeListMessage::OnMessageOf);
}

void NDXxXtraTreeListMessage::OnMessageOf(
    void* self, ArborkitLib::IntPtr handle, ArborkitLib::TreeEventType eventType,
    const std::shared_ptr<ArborkitLib::EventArgs>& parameters) {
    static_cast<NDXxXtraTreeListMessage*>(self)->OnMessage(handle, eventType, parameters);
}

void NDXxXtraTreeListMessage::OnMessage(ArborkitLib::IntPtr handle,
                                        ArborkitLib::TreeEventType eventType,
                                        const std::shared_ptr<ArborkitLib::EventArgs>& parameters) {
    if (m_disposed) return;
    // The parent is asked at every event, so the message goes to whatever
    // window holds the control right now.
    const HWND control = reinterpret_cast<HWND>(handle.value);
    const HWND parent = GetParent(control);
    // The receiving window may destroy the facade, and with it this object's
    // last owner but the raising event: nothing here is touched afterwards.
    NDXxXtraTreeListEvent::Forward(parent, control, static_cast<std::int32_t>(eventType),
                                   parameters.get());
}

void NDXxXtraTreeListMessage::Dispose() {
    if (m_disposed) return;
    m_disposed = true;
    std::exception_ptr failure;
    try {
        m_tree->Events().Remove(Handler());
    } catch (...) {
        failure = std::current_exception();
    }
    if (auto* disposable = dynamic_cast<ArborkitLib::IDisposable*>(m_tree.get())) {
        try {
            disposable->Dispose();
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
}
