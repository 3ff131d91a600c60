#include "argument_checks.h"

#include "journal.h"

#include <cmath>

namespace ArborkitLib::Check {

namespace {

const char* kindName(Value::Kind kind) {
    static constexpr const char* kNames[] = {"nothing", "a 32-bit integer",
                                             "a pointer-sized integer", "a string"};
    return kNames[static_cast<int>(kind)];
}

void requireKind(const char* what, const Value& value, Value::Kind wanted) {
    if (value.GetKind() == wanted) return;
    std::string shown;
    Journal::Render(shown, value);
    throw ComponentError(std::string(what) + " must be " + kindName(wanted) + ", not " +
                         kindName(value.GetKind()) + " (" + shown + ")");
}

} // namespace

std::int32_t NotNegative(const char* what, std::int32_t value) {
    if (value < 0) {
        throw ComponentError(std::string(what) + " " + std::to_string(value) + " is negative");
    }
    return value;
}

float FontSize(float size) {
    if (!std::isfinite(size) || size < 0.0F) {
        std::string shown;
        Journal::Render(shown, size);
        throw ComponentError("the font size " + shown + " is not a size of 0 points or more");
    }
    return size;
}

std::int32_t Int32Value(const char* what, const Value& value) {
    requireKind(what, value, Value::Kind::Int32);
    return value.AsInt32();
}

IntPtr IntPtrValue(const char* what, const Value& value) {
    requireKind(what, value, Value::Kind::IntPtr);
    return value.AsIntPtr();
}

const std::u16string& StringValue(const char* what, const Value& value) {
    requireKind(what, value, Value::Kind::String);
    return value.AsString().Text();
}

const std::u16string& PresentText(const char* what, const ComponentString& text) {
    if (text.IsAbsent()) throw ComponentError(std::string(what) + " is absent");
    return text.Text();
}

std::int32_t InRange(const char* what, std::int32_t value, std::int32_t last) {
    if (value < 0 || value > last) {
        throw ComponentError(std::string(what) + " " + std::to_string(value) +
                             " is not one of 0 to " + std::to_string(last));
    }
    return value;
}

} // namespace ArborkitLib::Check
