// The message object: it holds the control (m_tree), listens to its events
// and forwards each one to the control's parent window.
#ifndef NODRIX_TREE_LIST_MESSAGE_H
#define NODRIX_TREE_LIST_MESSAGE_H

#include "arborkit/arborkit.h"

#include <memory>

class NDXxXtraTreeListMessage : public std::enable_shared_from_this<NDXxXtraTreeListMessage> {
public:
    // Creates a control and subscribes OnMessage to its TreeEvent. When the
    // subscription fails, the new control is disposed again before the
    // failure goes on.
    static std::shared_ptr<NDXxXtraTreeListMessage> Create();

    NDXxXtraTreeListMessage(const NDXxXtraTreeListMessage&) = delete;
    NDXxXtraTreeListMessage& operator=(const NDXxXtraTreeListMessage&) = delete;
    // Finalizing does no work: the control is released only by Dispose.
    ~NDXxXtraTreeListMessage() = default;

    const std::shared_ptr<ArborkitLib::ITreeListControl>& Tree() const noexcept { return m_tree; }

    // Forwards one event of the control to the control's parent window.
    void OnMessage(ArborkitLib::IntPtr handle, ArborkitLib::TreeEventType eventType,
                   const std::shared_ptr<ArborkitLib::EventArgs>& parameters);

    // Unsubscribes OnMessage, so that nothing more is forwarded, then
    // disposes the control. Both steps are tried even when the first fails;
    // the first failure is then passed on. A second call does nothing.
    void Dispose();

private:
    explicit NDXxXtraTreeListMessage(std::shared_ptr<ArborkitLib::ITreeListControl> tree)
        : m_tree(std::move(tree)) {}

    static void OnMessageOf(void* self, ArborkitLib::IntPtr handle,
                            ArborkitLib::TreeEventType eventType,
                            const std::shared_ptr<ArborkitLib::EventArgs>& parameters);
    ArborkitLib::TreeEventHandler Handler();

    const std::shared_ptr<ArborkitLib::ITreeListControl> m_tree;
    bool m_disposed = false;
};

#endif // NODRIX_TREE_LIST_MESSAGE_H
