// The process-wide send function through which every tree-list of the
// process sends its event messages.
#ifndef NODRIX_SEND_WINDOW_MESSAGE_H
#define NODRIX_SEND_WINDOW_MESSAGE_H

#include "nodrix/nodrix.h"

namespace NDX {

// Sends through the current send function and returns its result.
LRESULT SendWindowMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

} // namespace NDX

#endif // NODRIX_SEND_WINDOW_MESSAGE_H
