#include "resources/embedded.h"

// The arrays are generated at build time from the files in resources/ (see CMakeLists.txt).
namespace tbr::embedded {
extern const unsigned char default_document_icon[];
extern const std::size_t default_document_icon_size;
extern const unsigned char banner_bmp[];
extern const std::size_t banner_bmp_size;
extern const unsigned char banner_2x_bmp[];
extern const std::size_t banner_2x_bmp_size;
extern const unsigned char create_icon[];
extern const std::size_t create_icon_size;
extern const unsigned char edit_icon[];
extern const std::size_t edit_icon_size;
extern const unsigned char app_icon[];
extern const std::size_t app_icon_size;
}  // namespace tbr::embedded

namespace tbr::resources {

std::span<const unsigned char> DefaultDocumentIcon() {
    return {embedded::default_document_icon, embedded::default_document_icon_size};
}

std::span<const unsigned char> Banner() {
    return {embedded::banner_bmp, embedded::banner_bmp_size};
}

std::span<const unsigned char> Banner2x() {
    return {embedded::banner_2x_bmp, embedded::banner_2x_bmp_size};
}

std::span<const unsigned char> CreateIcon() {
    return {embedded::create_icon, embedded::create_icon_size};
}

std::span<const unsigned char> EditIcon() {
    return {embedded::edit_icon, embedded::edit_icon_size};
}

std::span<const unsigned char> AppIcon() {
    return {embedded::app_icon, embedded::app_icon_size};
}

}  // namespace tbr::resources
