#include "features/store/image_cache.h"

#include <map>
#include <memory>
#include <set>

#include "gui/texture/png_image.h"
#include "gui/widgets/post_event.h"
#include "host/host_functions.h"
#include "platform/platform.h"
#include "web/http.h"

namespace store {
namespace {

// One store opening. Identifiers come from one counter for the whole
// process and are never given twice, so the report of a worker that an
// earlier opening started can never be taken for one of this opening's.
struct Session {
  std::map<std::string, uint32_t> registry;  // cache path -> identifier
  std::set<uint32_t> ready;                  // identifiers whose file is there
  uint32_t firstIdentifier = 1;              // the first one this session gave
};

// 0 is the identifier of a record that was never fetched.
uint32_t nextIdentifier = 1;

Session& Current() {
  // Never destroyed: what it holds (windows, their textures) must not be
  // released at process exit, when the graphics DLLs may be gone.
  static Session& session = *new Session;
  return session;
}

void StartSession() {
  Current() = Session{};
  Current().firstIdentifier = nextIdentifier;
}

bool IsFromThisSession(uint32_t identifier) {
  return identifier >= Current().firstIdentifier && identifier < nextIdentifier;
}

std::string CacheFolder() { return HostDataFolder() + "\\ImageCache"; }

const char* SizeFolder(ImageSize size) { return size == ImageSize::Category ? "32" : "64"; }

// The server names the pictures. A name that could reach outside its cache
// folder (a separator, a drive or stream colon, "." or "..") is not fetched.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("\\/:") == std::string::npos;
}

// A file in the cache is shown at once (1003 now) and revalidated in the
// background, which reports 1003 again if it had to download a new one.
// Otherwise the download reports 1003 when the file is complete. The host's
// user agent is read here, on the main thread, by the start of the worker;
// an empty file or a folder at the path is no picture.
void StartWorker(std::unique_ptr<web::DownloadRequest> request) {
  uint64_t size = 0;
  if (!platform::Get().FileSize(request->path, &size) || size == 0) {
    web::StartDownload(std::move(request));
    return;
  }
  const GUI_Handler handler = request->handler;
  const auto identifier = static_cast<int32_t>(request->identifier);
  gui::PostEvent(handler, kImageReadyCode, identifier);
  web::StartRevalidation(std::move(request));
  gui::PostEvent(handler, kImageFinishedCode, identifier);
}

void ReloadIfCarries(StoreImage& image, uint32_t identifier) {
  if (image.identifier == identifier) ReloadTexture(image);
}

}  // namespace

void BeginImageSession() {
  platform::Platform& os = platform::Get();
  const std::string folder = CacheFolder();
  // Each may exist already; a folder that cannot be made only costs the pictures.
  os.CreateFolder(folder);
  os.CreateFolder(folder + "\\32");
  os.CreateFolder(folder + "\\64");
  StartSession();
}

void EndImageSession() { StartSession(); }

void FetchImage(StoreImage& image, const std::string& name, ImageSize size, GUI_Handler handler) {
  image.texture.reset();
  if (!IsPlainFileName(name)) {
    image.path.clear();
    image.identifier = 0;
    return;
  }
  const std::string folder = SizeFolder(size);
  image.path = CacheFolder() + "\\" + folder + "\\" + name;
  Session& session = Current();
  const auto [entry, added] = session.registry.try_emplace(image.path, nextIdentifier);
  image.identifier = entry->second;
  if (!added) {
    // Known: its worker has either reported the file or will do so.
    if (session.ready.count(image.identifier) != 0) ReloadTexture(image);
    return;
  }
  ++nextIdentifier;
  // The base normally ends with '/'; the URL is sent as built.
  const std::string url = ImageBaseUrl() + "/" + folder + "/" + name;
  StartWorker(std::make_unique<web::DownloadRequest>(web::DownloadRequest{
      url, image.path, image.identifier, handler, kImageReadyCode, kImageFinishedCode}));
}

void OnImageReady(uint32_t identifier) {
  // A report of an earlier opening has no records left to reload.
  if (!IsFromThisSession(identifier)) return;
  Current().ready.insert(identifier);
  StoreState& state = State();
  for (StoreCategory& category : state.categories) ReloadIfCarries(category.image, identifier);
  for (StoreOffer& offer : state.offers) {
    ReloadIfCarries(offer.image, identifier);
    for (StoreSubOffer& sub : offer.subOffers) ReloadIfCarries(sub.image, identifier);
  }
}

void ReloadTexture(StoreImage& image) {
  image.texture.reset();
  if (image.path.empty()) return;
  // Decoded once here, to know whether there is a picture to draw at all;
  // the texture keeps the pixels for its first draw.
  std::unique_ptr<GUI_Texture> texture = gui::CreateTexture(image.path);
  if (texture != nullptr && texture->Decode()) image.texture = std::move(texture);
}

size_t RegisteredImageCount() { return Current().registry.size(); }

bool ImageIsReady(uint32_t identifier) { return Current().ready.count(identifier) != 0; }

}  // namespace store
