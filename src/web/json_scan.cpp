#include "web/json_scan.h"

namespace web {

std::string JsonFindValue(const std::string& document, const std::string& key) {
  const std::string pattern = "\"" + key + "\":";
  const size_t match = document.find(pattern);
  if (match == std::string::npos) return "0";
  size_t start = match + pattern.size();
  while (start < document.size() && (document[start] == ' ' || document[start] == '"')) ++start;
  const size_t end = document.find_first_of(",}\"", start);
  std::string value =
      document.substr(start, end == std::string::npos ? std::string::npos : end - start);
  const size_t players = value.find(" Players");
  if (players != std::string::npos) value.resize(players);
  return value;
}

}  // namespace web
