// The page that lists a folder's pictures: `shot NAME.png "CAPTION"` adds
// the picture with its caption, and the folder's index.html is written
// anew after each one, so a person can read the pictures of a run in the
// order they were taken.
#pragma once

#include <string>
#include <vector>

namespace sim {

struct CaptionedShot {
  std::string picture;  // file name inside the folder
  std::string caption;
};

// The whole index.html for `shots`, in their order; text is HTML-escaped.
std::string ShotIndexPage(const std::vector<CaptionedShot>& shots);

// Adds (or, for a picture taken again, re-captions in place) one picture
// of `folder` and writes folder/index.html whole; false when it could not
// be written.
bool AddToShotIndex(const std::string& folder, const CaptionedShot& shot);

}  // namespace sim
