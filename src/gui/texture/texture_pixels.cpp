#include "gui/texture/texture_pixels.h"

#include <cstring>

namespace gui::texture {
namespace {

constexpr uint8_t kOpaque = 255;

// Byte positions of a decoded pixel.
constexpr int kBlue = 0, kGreen = 1, kRed = 2, kAlpha = 3;

}  // namespace

void ToOpenGlPixels(uint8_t* pixels, size_t count) {
  for (uint8_t* p = pixels; p != pixels + count * 4; p += 4) {
    if (p[kAlpha] == kOpaque) {
      const uint8_t blue = p[kBlue];
      p[kBlue] = p[kRed];
      p[kRed] = blue;
    } else {
      std::memset(p, 0, 4);
    }
  }
}

void ClearNonOpaquePixels(uint8_t* pixels, size_t count) {
  for (uint8_t* p = pixels; p != pixels + count * 4; p += 4) {
    if (p[kAlpha] != kOpaque) std::memset(p, 0, 4);
  }
}

void ToColourKeyPixels(uint8_t* pixels, size_t count) {
  for (uint8_t* p = pixels; p != pixels + count * 4; p += 4) {
    if (p[kAlpha] != kOpaque) {
      p[kBlue] = 255;
      p[kGreen] = 0;
      p[kRed] = 255;
      p[kAlpha] = kOpaque;
    } else if (p[kBlue] == 255 && p[kGreen] == 0 && p[kRed] == 255) {
      p[kBlue] = 254;
      p[kRed] = 254;
    }
  }
}

uint32_t GlFilter(uint8_t smooth) { return smooth != 0 ? kGlLinear : kGlNearest; }
uint32_t D3dFilter(uint8_t smooth) { return smooth != 0 ? kD3dLinear : kD3dPoint; }

std::array<ScreenVertex, 4> VertexStrip(int32_t x, int32_t y, int32_t w, int32_t h) {
  // In 64 bits, so that x + w cannot overflow before it becomes a float.
  const float left = static_cast<float>(x), top = static_cast<float>(y);
  const float right = static_cast<float>(int64_t{x} + w);
  const float bottom = static_cast<float>(int64_t{y} + h);
  return {{{left, top, 0, 1, kOpaqueWhite, 0, 0},
           {right, top, 0, 1, kOpaqueWhite, 1, 0},
           {left, bottom, 0, 1, kOpaqueWhite, 0, 1},
           {right, bottom, 0, 1, kOpaqueWhite, 1, 1}}};
}

std::array<QuadCorner, 4> GlQuad(int32_t x, int32_t y, int32_t w, int32_t h) {
  const auto right = static_cast<int32_t>(static_cast<uint32_t>(x) + static_cast<uint32_t>(w));
  const auto bottom = static_cast<int32_t>(static_cast<uint32_t>(y) + static_cast<uint32_t>(h));
  return {{{0, 0, x, y}, {0, 1, x, bottom}, {1, 1, right, bottom}, {1, 0, right, y}}};
}

bool CopyRows(uint8_t* destination, int64_t pitch, const uint8_t* source, int32_t width,
              int32_t height) {
  if (width <= 0 || height <= 0) return true;
  const size_t rowBytes = static_cast<size_t>(width) * 4;
  if (pitch < static_cast<int64_t>(rowBytes)) return false;
  if (pitch == static_cast<int64_t>(rowBytes)) {
    std::memcpy(destination, source, rowBytes * static_cast<size_t>(height));
    return true;
  }
  for (int32_t row = 0; row < height; ++row) {
    std::memcpy(destination + static_cast<size_t>(pitch) * static_cast<size_t>(row),
                source + rowBytes * static_cast<size_t>(row), rowBytes);
  }
  return true;
}

bool RestoreWhileLost(const std::function<bool()>& isLost, const std::function<void()>& restore,
                      const Sleeper& sleep, int maxAttempts) {
  for (int attempt = 0; attempt < maxAttempts; ++attempt) {
    if (attempt > 0) sleep(kRetryPauseMs);
    restore();
    if (!isLost()) return true;
  }
  return false;
}

int32_t RetryWhileBusy(const std::function<int32_t()>& attempt, int32_t busy,
                       const Sleeper& sleep, int maxAttempts) {
  int32_t result = attempt();
  for (int tries = 1; result == busy && tries < maxAttempts; ++tries) {
    sleep(kRetryPauseMs);
    result = attempt();
  }
  return result;
}

}  // namespace gui::texture
