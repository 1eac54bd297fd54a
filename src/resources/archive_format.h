// The layout of graphics.dat, shared by the reader (ResourceArchive) and the tool that packs it.
//
//   offset 0: the four bytes "1.00"
//   offset 4: u32 end offset, just past the last entry (normally the file size)
//   offset 8: entries back to back until the end offset, each:
//     16 bytes  name, ASCII, zero-padded, every byte XOR kNameMask
//     u32       stored size S (bytes of the zlib stream that follows)
//     u32       decompressed size U
//     S bytes   one zlib stream as zlib's compress() writes it
// All integers are little-endian. Names are compared upper-cased, so case does not matter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace resources {

/// Open results, as start-up reports them. 0 is success.
inline constexpr int kArchiveOk = 0;
inline constexpr int kArchiveCannotOpen = 0x1101;  // missing or unreadable file
inline constexpr int kArchiveBadHeader = 0x1102;   // the first four bytes are not "1.00"
inline constexpr int kArchiveLocked = 0x1200;      // another process holds the file exclusively

inline constexpr char kArchiveMagic[4] = {'1', '.', '0', '0'};
inline constexpr std::size_t kArchiveHeaderBytes = 8;
inline constexpr std::size_t kEntryNameBytes = 16;
inline constexpr std::size_t kEntryHeaderBytes = 24;
/// Longest name the packer writes: a 16-character name would have no terminating zero.
inline constexpr std::size_t kMaxEntryNameLength = 15;

/// Every stored name byte is the name byte XOR this mask (the same for every byte).
inline constexpr std::uint8_t kNameMask = 0xA5;

/// Upper-cases ASCII letters only, as the C locale's _strupr does.
std::string upperCaseName(std::string_view name);

}  // namespace resources
