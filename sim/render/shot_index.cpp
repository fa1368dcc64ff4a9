#include "sim/render/shot_index.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>

namespace sim {
namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

bool WriteWhole(const std::string& path, const std::string& content) {
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << content;
    out.flush();
    if (!out) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace

std::string ShotIndexPage(const std::vector<CaptionedShot>& shots) {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Quorlan: a tour of the library</title>\n<style>\n"
      "body{font-family:sans-serif;max-width:1100px;margin:2em auto;padding:0 1em;color:#222}\n"
      "figure{margin:0 0 2.5em}img{max-width:100%;border:1px solid #888}\n"
      "figcaption{margin-top:.4em;font-size:1.05em}\n</style>\n</head>\n<body>\n"
      "<h1>Quorlan: a tour of the library</h1>\n"
      "<p>Each picture is a frame of the game client with the library loaded, drawn by the "
      "simulated host; the caption says what the player is looking at.</p>\n<ol>\n";
  for (const CaptionedShot& shot : shots) {
    const std::string picture = Escaped(shot.picture);
    page += "<li><figure><a href=\"" + picture + "\"><img src=\"" + picture + "\" alt=\"" +
            Escaped(shot.caption) + "\"></a><figcaption>" + Escaped(shot.caption) +
            "</figcaption></figure></li>\n";
  }
  page += "</ol>\n</body>\n</html>\n";
  return page;
}

bool AddToShotIndex(const std::string& folder, const CaptionedShot& shot) {
  static std::mutex lock;
  static std::map<std::string, std::vector<CaptionedShot>> indexes;
  const std::lock_guard<std::mutex> hold(lock);
  std::vector<CaptionedShot>& shots = indexes[folder];
  bool known = false;
  for (CaptionedShot& listed : shots) {
    if (listed.picture != shot.picture) continue;
    listed.caption = shot.caption;
    known = true;
  }
  if (!known) shots.push_back(shot);
  return WriteWhole(folder + "/index.html", ShotIndexPage(shots));
}

}  // namespace sim
