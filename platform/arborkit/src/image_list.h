// The images of a control, by the caller's id, and its background image.
//
// An image is known by its handle, kind and size; the headless control draws
// nothing, so it keeps no pixels. Picture ids of cells and headers name
// images of this list; an id with no image shows no picture, so a picture
// may be set before its image is added. Adding an image under an id that
// has one replaces it.
#ifndef ARBORKIT_IMAGE_LIST_H
#define ARBORKIT_IMAGE_LIST_H

#include <cstdint>
#include <map>

namespace ArborkitLib {

// Image kinds, as the window API numbers them.
enum class ImageKind : std::int32_t { Bitmap = 0, Icon = 1, Cursor = 2 };

struct Image {
    std::int32_t handle = 0;
    ImageKind kind = ImageKind::Bitmap;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class ImageList {
public:
    // A ComponentError for a null handle, an unknown kind or a size below 1.
    void Add(std::int32_t id, std::int32_t handle, std::int32_t kind, std::int32_t width,
             std::int32_t height);
    // The image of `id`, or null.
    const Image* Find(std::int32_t id) const;
    std::size_t Count() const noexcept { return images_.size(); }

    // 0 removes the background image.
    void SetBackground(std::int32_t handle) noexcept { background_ = handle; }
    std::int32_t Background() const noexcept { return background_; }

private:
    std::map<std::int32_t, Image> images_;
    std::int32_t background_ = 0;
};

} // namespace ArborkitLib

#endif // ARBORKIT_IMAGE_LIST_H
