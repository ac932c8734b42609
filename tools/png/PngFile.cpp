#include "tools/png/PngFile.h"

#include <png.h>

#include <cstdio>

namespace png {

namespace {

// libpng's own handler prints to stderr; the caller reports the failure itself.
void quietError(png_structp writer, png_const_charp) { png_longjmp(writer, 1); }

}  // namespace

bool write(std::FILE* file, int width, int height, int channels, const uint8_t* pixels, bool bottomRowFirst,
           int compressionLevel) {
    const size_t rowBytes = static_cast<size_t>(width) * channels;
    if (file == nullptr || width <= 0 || height <= 0 || (channels != 3 && channels != 4)) return false;
    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, nullptr);
    png_infop info = writer != nullptr ? png_create_info_struct(writer) : nullptr;
    bool written = false;
    if (info != nullptr && setjmp(png_jmpbuf(writer)) == 0) {
        png_init_io(writer, file);
        if (compressionLevel >= 0) png_set_compression_level(writer, compressionLevel);
        png_set_IHDR(writer, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(writer, info);
        for (int y = 0; y < height; ++y) {
            const int row = bottomRowFirst ? height - 1 - y : y;
            png_write_row(writer, pixels + static_cast<size_t>(row) * rowBytes);
        }
        png_write_end(writer, nullptr);
        written = std::ferror(file) == 0;
    }
    png_destroy_write_struct(&writer, &info);
    return written;
}

bool write(const std::string& path, int width, int height, int channels, const std::vector<uint8_t>& pixels,
           bool bottomRowFirst) {
    if (pixels.size() < static_cast<size_t>(width) * channels * height) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = write(file, width, height, channels, pixels.data(), bottomRowFirst, -1);
    return std::fclose(file) == 0 && written;
}

bool read(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGBA;
    rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}

}  // namespace png
