// The store's pictures: PNG files fetched from the image base URL into a
// cache below the host's data folder ("ImageCache\32" for categories,
// "ImageCache\64" for offers), each path fetched once per store opening.
// A file already in the cache is shown at once and revalidated in the
// background; a new or changed file is reported with code 1003, after
// which every record with that identifier loads it again.
//
// Main thread only, except the workers, which touch nothing but their
// request, its file and the network.
#pragma once

#include <cstdint>
#include <string>

#include "features/store/state.h"
#include "gui/element.h"

namespace store {

enum class ImageSize : uint8_t { Category = 32, Offer = 64 };

// The handler codes of the workers: file ready (value: identifier) and
// request finished.
inline constexpr int32_t kImageReadyCode = 1003;
inline constexpr int32_t kImageFinishedCode = 1004;

// Store opening: creates the three cache folders (failures ignored) and
// starts a new registry and ready list.
void BeginImageSession();
// Store closing: forgets the registry and the ready list.
void EndImageSession();

// Gives the record the picture `name` of that size: its path and
// identifier, and, when the identifier's file is known to be there, a
// texture. A path not seen in this session gets a new identifier and a
// worker that reports to `handler` (the store's).
void FetchImage(StoreImage& image, const std::string& name, ImageSize size, GUI_Handler handler);

// Code 1003: the identifier's file arrived (or was found in the cache).
// Every category, offer and sub-offer record with that identifier drops
// its texture and makes a new one from its path; the identifier joins the
// ready list.
void OnImageReady(uint32_t identifier);

// Reloads one record's texture from its path (none for an empty path).
void ReloadTexture(StoreImage& image);

// Tests: the session's counters.
size_t RegisteredImageCount();
bool ImageIsReady(uint32_t identifier);

}  // namespace store
