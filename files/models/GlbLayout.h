#pragma once
// The frame of a glTF 2.0 binary file: a 12-byte header (magic, version, whole length), then
// chunks of length, type and data, the JSON first, padded to four bytes.

#include <cstdint>

namespace GlbLayout {
constexpr std::uint32_t magic = 0x46546C67; // "glTF"
constexpr std::uint32_t version = 2;
constexpr std::uint32_t jsonChunk = 0x4E4F534A; // "JSON"
constexpr std::uint32_t binChunk = 0x004E4942; // "BIN"
constexpr int headerSize = 12;
constexpr int chunkHeaderSize = 8;
}
