#include "sim/render/png_writer.h"

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace sim {

bool WritePng(const Framebuffer& fb, const std::string& path) {
  if (fb.Width() <= 0 || fb.Height() <= 0 || path.empty()) return false;

  std::vector<char> temp(path.begin(), path.end());
  const char suffix[] = ".tmp-XXXXXX";
  temp.insert(temp.end(), suffix, suffix + sizeof(suffix));  // with the terminator
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    close(fd);
    unlink(temp.data());
    return false;
  }

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(fb.Width());
  image.height = static_cast<png_uint_32>(fb.Height());
  image.format = PNG_FORMAT_RGBA;
  const bool written =
      png_image_write_to_stdio(&image, file, 0, fb.Bytes().data(), 0, nullptr) != 0;
  png_image_free(&image);
  const bool closed = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  const bool released = std::fclose(file) == 0;
  if (!written || !closed || !released || std::rename(temp.data(), path.c_str()) != 0) {
    unlink(temp.data());
    return false;
  }
  return true;
}

}  // namespace sim
