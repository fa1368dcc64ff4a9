// The parts of the PE/COFF layout of a 32-bit Windows DLL that the loader
// reads, as packed little-endian structs. Offsets are from the start of the
// file (headers) or relative to the image base (RVAs), as the format defines.
#pragma once

#include <cstdint>

namespace sim::dll_host::pe {

constexpr uint16_t kDosMagic = 0x5A4D;         // "MZ"
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint32_t kDosLfanewOffset = 0x3C;    // where the DOS header keeps the PE header's offset
constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kOptionalMagicPe32 = 0x10B;
constexpr uint16_t kOptionalMagicPe32Plus = 0x20B;
constexpr uint16_t kCharacteristicExecutable = 0x0002;
constexpr uint16_t kCharacteristicDll = 0x2000;

// Data directory indices.
constexpr uint32_t kDirectoryImport = 1;
constexpr uint32_t kDirectorySecurity = 4;  // a file offset, not an RVA
constexpr uint32_t kDirectoryBaseReloc = 5;
constexpr uint32_t kDirectoryTls = 9;
constexpr uint32_t kDirectoryCount = 16;

// Base relocation entry types (the top 4 bits of each 16-bit entry).
constexpr uint16_t kRelocAbsolute = 0;  // padding
constexpr uint16_t kRelocHighLow = 3;   // the 32-bit word at the offset gets the delta

constexpr uint32_t kOrdinalFlag = 0x80000000;  // an import thunk naming an ordinal

// DllMain and TLS callback reasons.
constexpr uint32_t kProcessAttach = 1;
constexpr uint32_t kThreadAttach = 2;
constexpr uint32_t kThreadDetach = 3;

#pragma pack(push, 1)

struct FileHeader {  // follows the PE signature
  uint16_t machine;
  uint16_t numberOfSections;
  uint32_t timeDateStamp;
  uint32_t pointerToSymbolTable;
  uint32_t numberOfSymbols;
  uint16_t sizeOfOptionalHeader;
  uint16_t characteristics;
};

struct DataDirectory {
  uint32_t virtualAddress;
  uint32_t size;
};

struct OptionalHeader32 {
  uint16_t magic;
  uint8_t majorLinkerVersion, minorLinkerVersion;
  uint32_t sizeOfCode, sizeOfInitializedData, sizeOfUninitializedData;
  uint32_t addressOfEntryPoint;
  uint32_t baseOfCode, baseOfData;
  uint32_t imageBase;
  uint32_t sectionAlignment, fileAlignment;
  uint16_t majorOsVersion, minorOsVersion, majorImageVersion, minorImageVersion;
  uint16_t majorSubsystemVersion, minorSubsystemVersion;
  uint32_t win32VersionValue;
  uint32_t sizeOfImage;
  uint32_t sizeOfHeaders;
  uint32_t checkSum;
  uint16_t subsystem, dllCharacteristics;
  uint32_t sizeOfStackReserve, sizeOfStackCommit, sizeOfHeapReserve, sizeOfHeapCommit;
  uint32_t loaderFlags;
  uint32_t numberOfRvaAndSizes;
  // followed by numberOfRvaAndSizes DataDirectory entries
};

struct SectionHeader {
  char name[8];
  uint32_t virtualSize;
  uint32_t virtualAddress;
  uint32_t sizeOfRawData;
  uint32_t pointerToRawData;
  uint32_t pointerToRelocations, pointerToLinenumbers;
  uint16_t numberOfRelocations, numberOfLinenumbers;
  uint32_t characteristics;
};

struct ImportDescriptor {
  uint32_t originalFirstThunk;  // RVA of the lookup table (names); 0: use firstThunk
  uint32_t timeDateStamp;
  uint32_t forwarderChain;
  uint32_t name;        // RVA of the DLL's name
  uint32_t firstThunk;  // RVA of the address table the loader fills
};

struct BaseRelocationBlock {
  uint32_t pageRva;
  uint32_t blockSize;  // this header included; followed by 16-bit entries
};

struct TlsDirectory32 {  // all addresses are VAs (relocated like any pointer)
  uint32_t startAddressOfRawData;
  uint32_t endAddressOfRawData;
  uint32_t addressOfIndex;
  uint32_t addressOfCallBacks;  // a null-terminated array of callback VAs
  uint32_t sizeOfZeroFill;
  uint32_t characteristics;
};

#pragma pack(pop)

static_assert(sizeof(FileHeader) == 20);
static_assert(sizeof(OptionalHeader32) == 96);
static_assert(sizeof(SectionHeader) == 40);
static_assert(sizeof(ImportDescriptor) == 20);
static_assert(sizeof(TlsDirectory32) == 24);

}  // namespace sim::dll_host::pe
