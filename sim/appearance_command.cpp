// quorlan-sim appearance FILE [--category C --id N]
//
// Reads an appearance file the way LoadDataFiles does (mapped, then parsed
// into a store) and prints one JSON object: the signature and section 2's
// highest ids, and with --category and --id one record in full. A file
// that does not parse prints {"error": "..."} and exits 1; usage errors
// exit 2.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "host/appearance/appearance_parser.h"
#include "host/appearance/appearance_store.h"
#include "sim/commands.h"
#include "sim/json_output.h"
#include "sim/linked/sim_platform.h"

namespace sim {
namespace {

using appearance::AppearanceStore;
using appearance::Category;

constexpr char kUsage[] =
    "usage: quorlan-sim appearance FILE [--category C --id N]\n"
    "  C: 0 item, 1 outfit, 2 effect, 3 missile (or those names); N: 0 to 65535\n";

struct Arguments {
  std::string file;
  std::optional<Category> category;
  std::optional<uint16_t> id;
};

std::optional<long> WholeNumber(std::string_view text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<Category> CategoryNamed(std::string_view text) {
  constexpr std::string_view kNames[] = {"item", "outfit", "effect", "missile"};
  for (int c = 0; c < appearance::kCategoryCount; ++c) {
    if (text == kNames[c]) return static_cast<Category>(c);
  }
  const auto number = WholeNumber(text);
  if (!number || *number < 0 || *number >= appearance::kCategoryCount) return std::nullopt;
  return static_cast<Category>(*number);
}

std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments arguments;
  for (int i = 0; i < argc; ++i) {
    const std::string_view word = argv[i];
    const bool hasValue = i + 1 < argc;
    if (word == "--category" && hasValue) {
      arguments.category = CategoryNamed(argv[++i]);
      if (!arguments.category) return std::nullopt;
    } else if (word == "--id" && hasValue) {
      const auto id = WholeNumber(argv[++i]);
      if (!id || *id < 0 || *id > UINT16_MAX) return std::nullopt;
      arguments.id = static_cast<uint16_t>(*id);
    } else if (!word.starts_with("--") && arguments.file.empty()) {
      arguments.file = word;
    } else {
      return std::nullopt;
    }
  }
  if (arguments.file.empty() || arguments.category.has_value() != arguments.id.has_value()) {
    return std::nullopt;
  }
  return arguments;
}

template <typename Range>
std::string JsonNumbers(const Range& values) {
  std::string out = "[";
  bool first = true;
  for (const auto value : values) {
    if (!first) out += ", ";
    out += std::to_string(value);
    first = false;
  }
  return out + "]";
}

std::string JsonAnimator(const AppearanceStore& store, const appearance::FrameGroup& group) {
  const appearance::Animator* animator = store.AnimatorOf(group);
  if (animator == nullptr) return "null";
  std::ostringstream out;
  out << "{\"mode_zero\": " << (animator->modeZero ? "true" : "false")
      << ", \"loops\": " << animator->loops << ", \"start\": " << animator->startFrame
      << ", \"durations\": [";
  bool first = true;
  for (const appearance::FrameDuration& duration : store.Durations(*animator)) {
    out << (first ? "" : ", ") << "[" << duration.min << ", " << duration.max << "]";
    first = false;
  }
  out << "]}";
  return out.str();
}

std::string JsonRecord(const AppearanceStore& store, const appearance::Record& record) {
  std::ostringstream out;
  std::vector<int> flags;
  for (int bit = 0; bit < 64; ++bit) {
    if (record.HasFlag(bit)) flags.push_back(bit);
  }
  const appearance::MarketEntry* market = store.Market(record);
  const appearance::MarketEntry none;
  out << "{\"flags\": " << JsonNumbers(flags)
      << ", \"attributes\": " << JsonNumbers(record.attributes)
      << ", \"name\": " << JsonString(store.Name(record))
      << ", \"market\": " << JsonNumbers((market != nullptr ? *market : none).values)
      << ", \"groups\": [";
  bool first = true;
  for (const appearance::FrameGroup& group : record.groups) {
    if (!group.present) continue;
    out << (first ? "" : ", ") << "{\"dims\": " << JsonNumbers(group.dims)
        << ", \"sprites\": " << JsonNumbers(store.Sprites(group))
        << ", \"animator\": " << JsonAnimator(store, group) << "}";
    first = false;
  }
  out << "]}";
  return out.str();
}

}  // namespace

int AppearanceCommand(int argc, char** argv) {
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::cerr << kUsage;
    return 2;
  }

  Os machine;
  SimPlatform os(machine);
  platform::MappedFile file = os.MapFile(arguments->file);
  if (file.data == nullptr) return PrintJsonError("cannot map " + arguments->file);
  appearance::BoundedReader reader(file.data, static_cast<size_t>(file.size));
  AppearanceStore store;
  const bool parsed = appearance::ParseAppearances(reader, store);
  if (!parsed) {
    os.UnmapFile(file);
    return PrintJsonError("not a well-formed appearance file: " + arguments->file);
  }

  std::ostringstream out;
  out << "{\"signature\": " << store.Signature() << ", \"highest\": [";
  for (int c = 0; c < appearance::kCategoryCount; ++c) {
    out << (c > 0 ? ", " : "") << store.RecordCount(static_cast<Category>(c)) - 1;
  }
  out << "]";
  if (arguments->category) {
    const appearance::Record* record = store.Find(*arguments->category, *arguments->id);
    out << ", \"record\": " << (record != nullptr ? JsonRecord(store, *record) : "null");
  }
  out << "}\n";
  std::cout << out.str();
  os.UnmapFile(file);
  return 0;
}

}  // namespace sim
