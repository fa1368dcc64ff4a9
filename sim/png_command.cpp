// quorlan-sim png FILE [--raw OUT]
//
// Decodes FILE as the library's textures do (LoadPng) and prints
// {"width": W, "height": H}; with --raw the decoded pixels (blue, green, red,
// alpha, rows from top to bottom, nothing else) are written to OUT. A file
// that does not decode prints {"error": "..."} and exits 1, as does an OUT
// that cannot be written; usage errors exit 2.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "gui/texture/png_image.h"
#include "sim/commands.h"
#include "sim/json_output.h"
#include "sim/linked/sim_platform.h"

namespace sim {
namespace {

constexpr char kUsage[] = "usage: quorlan-sim png FILE [--raw OUT]\n";

struct Arguments {
  std::string file;
  std::optional<std::string> raw;
};

std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments arguments;
  for (int i = 0; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--raw" && i + 1 < argc && !arguments.raw) {
      arguments.raw = argv[++i];
    } else if (!word.starts_with("--") && arguments.file.empty()) {
      arguments.file = word;
    } else {
      return std::nullopt;
    }
  }
  if (arguments.file.empty()) return std::nullopt;
  return arguments;
}

}  // namespace

int PngCommand(int argc, char** argv) {
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::cerr << kUsage;
    return 2;
  }
  // LoadPng reads through the platform's file service; the file is read
  // here through the simulator's, then decoded exactly as LoadPng decodes.
  Os machine;
  SimPlatform os(machine);
  std::string bytes;
  if (!os.ReadWholeFile(arguments->file, &bytes)) {
    return PrintJsonError("cannot read " + arguments->file);
  }
  const std::optional<gui::DecodedImage> image = gui::DecodePng(bytes);
  if (!image)
    return PrintJsonError("not a PNG file that decodes to 8-bit BGRA: " + arguments->file);
  if (arguments->raw) {
    std::unique_ptr<platform::WritableFile> out = os.CreateBinaryFile(*arguments->raw);
    if (out == nullptr ||
        !out->Write(image->pixels.data(), static_cast<uint32_t>(image->pixels.size()))) {
      return PrintJsonError("cannot write " + *arguments->raw);
    }
  }
  std::cout << "{\"width\": " << image->width << ", \"height\": " << image->height << "}\n";
  return 0;
}

}  // namespace sim
