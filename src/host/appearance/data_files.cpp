// LoadDataFiles and the host's sprite reads from the mapped sprite file.
#include "host/appearance/data_files.h"

#include <string>

#include "host/appearance/appearance_parser.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"
#include "platform/platform.h"

namespace appearance {
namespace {

// Host locations LoadDataFiles uses.
constexpr uint32_t kSignatureVariable = 0x7998E0;  // the appearance file's first u32
constexpr uint32_t kHostLoadContinuation = 0x45CFE0;
constexpr uint32_t kHostThrow = 0x560081;          // raises a host exception
constexpr uint32_t kHostLoadErrorType = 0x5E02D8;  // the host's load-error exception type

struct DataFiles {
  platform::MappedFile sprites;
  platform::MappedFile appearances;
  BoundedReader spriteReader;
};
DataFiles files;

void Unmap(platform::MappedFile& file) {
  if (file.data != nullptr) platform::Get().UnmapFile(file);
  file = platform::MappedFile{};
}

// The host maps its data files with CreateFileMappingA, which refuses an
// empty file: an empty file is a failed mapping here too, whatever view of
// it the platform would give.
platform::MappedFile Map(int number) {
  const char* path = HostDataFilePath(number, 0);
  if (path == nullptr) return {};
  platform::MappedFile file = platform::Get().MapFile(path);
  if (file.size == 0) Unmap(file);
  return file;
}

BoundedReader ReaderOf(const platform::MappedFile& file) {
  return BoundedReader(file.data, static_cast<size_t>(file.size));
}

// The host's own exception, as its loader raises it: the host throws an
// object holding the 32-bit error code with its load-error type, and then
// reports its usual data-file error. The code must be host-addressable, so
// it lives in the library data. The host's exception unwinds with the
// host's own mechanism and does not run the library's destructors: nothing
// with one may be alive in the frames between here and the host.
void RaiseHostLoadError(int32_t code) {
  host::Data().loadErrorCode = code;
  HostCall(kHostThrow, {host::AddressOf(&host::Data().loadErrorCode), kHostLoadErrorType});
}

}  // namespace

int32_t MapAndParseDataFiles() {
  int32_t failure = kSpriteFileError;
  try {
    UnmapDataFiles();  // a second load starts from scratch
    files.sprites = Map(kSpriteFile);
    if (files.sprites.data == nullptr) return kSpriteFileError;
    files.spriteReader = ReaderOf(files.sprites);

    failure = kAppearanceFileError;
    files.appearances = Map(kAppearanceFile);
    if (files.appearances.data == nullptr) return kAppearanceFileError;
    BoundedReader reader = ReaderOf(files.appearances);
    host::At<uint32_t>(kSignatureVariable) = reader.ReadU32();
    const bool parsed = ParseAppearances(reader, Store()) && Store().Loaded();
    Unmap(files.appearances);  // parsed or not, nothing reads it again
    return parsed ? 0 : kAppearanceFileError;
  } catch (...) {
    Unmap(files.appearances);
    return failure;
  }
}

BoundedReader& SpriteReader() { return files.spriteReader; }

void UnmapDataFiles() {
  files.spriteReader = BoundedReader();
  Unmap(files.sprites);
  Unmap(files.appearances);
}

}  // namespace appearance

using appearance::SpriteReader;

uint32_t LoadDataFiles(uint32_t argument) {
  const int32_t error = appearance::MapAndParseDataFiles();
  if (error != 0) {
    appearance::RaiseHostLoadError(error);
    return 0;  // only reached if the host's throw came back
  }
  return HostCall(appearance::kHostLoadContinuation, {argument});
}

uint8_t DataReadU8() { return SpriteReader().ReadU8(); }
uint16_t DataReadU16() { return SpriteReader().ReadU16(); }
uint32_t DataReadU32() { return SpriteReader().ReadU32(); }
void DataSeek(uint32_t position) { SpriteReader().Seek(position); }
// The host's own rewind (0x4AB720) runs after this one.
void DataRewind() { SpriteReader().Rewind(); }
// Nothing to do: the call only has to reach the host function at 0x507000.
void ForwardToHost507000() {}
