#include "image_list.h"

#include "arborkit/arborkit.h"

#include <string>

namespace ArborkitLib {

void ImageList::Add(std::int32_t id, std::int32_t handle, std::int32_t kind, std::int32_t width,
                    std::int32_t height) {
    if (handle == 0) throw ComponentError("an image needs a handle, not 0");
    if (kind < 0 || kind > static_cast<std::int32_t>(ImageKind::Cursor)) {
        throw ComponentError("the image kind " + std::to_string(kind) +
                             " is not one of 0 (bitmap), 1 (icon) or 2 (cursor)");
    }
    if (width < 1 || height < 1) {
        throw ComponentError("the image size " + std::to_string(width) + "x" +
                             std::to_string(height) + " is not at least 1x1");
    }
    images_[id] = Image{handle, static_cast<ImageKind>(kind), width, height};
}

const Image* ImageList::Find(std::int32_t id) const {
    auto it = images_.find(id);
    return it == images_.end() ? nullptr : &it->second;
}

} // namespace ArborkitLib
