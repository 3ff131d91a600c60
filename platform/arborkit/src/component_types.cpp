// Out-of-line members of the component's value and event data types. Each
// polymorphic class has its destructor here, so that its type information
// lives once, in this library, and type checks agree across libraries.
#include "arborkit/arborkit.h"

namespace ArborkitLib {

namespace {

const char* kindName(Value::Kind kind) {
    static constexpr const char* kNames[] = {"nothing", "int32", "intptr", "string"};
    return kNames[static_cast<int>(kind)];
}

} // namespace

ComponentError::ComponentError(const std::string& message) : std::runtime_error(message) {}
ComponentError::~ComponentError() = default;

void Value::Require(Kind wanted) const {
    if (kind_ != wanted) {
        throw ComponentError(std::string("the value holds ") + kindName(kind_) + ", not " +
                             kindName(wanted));
    }
}

EventArgs::~EventArgs() = default;
MousePositionArgs::~MousePositionArgs() = default;
MouseButtonArgs::~MouseButtonArgs() = default;
CellRightClickArgs::~CellRightClickArgs() = default;
CellLeftDoubleClickArgs::~CellLeftDoubleClickArgs() = default;
CellPositionArgs::~CellPositionArgs() = default;
ExpandCollapseArgs::~ExpandCollapseArgs() = default;

IDisposable::~IDisposable() = default;
ITreeListControl::~ITreeListControl() = default;

} // namespace ArborkitLib
