// Checks of a compiled help file's own headers, made before chmlib opens it: chmlib takes the
// sizes those headers declare as they stand, and a damaged file could make it allocate gigabytes
// for every look-up, read past its buffers, divide by zero or loop for ever.
#pragma once

#include <QByteArray>

#include <optional>

namespace solvanex::help {

// Help compilers write directory chunks of 4 or 8 KiB; more than this is a damaged file.
inline constexpr quint32 kMaxDirectoryChunk = 64 * 1024;

// Whether the bytes of a whole help file have sound headers: "ITSF" and the directory header
// "ITSP" where it points, with a directory chunk size from 1 byte to kMaxDirectoryChunk; and,
// when the file holds compressed content, an LZX reset table of 32 KiB frames and control data
// with a reset interval and a window that LZX allows; and a chain of listing chunks that ends.
bool HasSoundChmHeaders(const QByteArray& file);

// LZX frames are 32 KiB; chmlib reads a block's compressed bytes into a buffer this much larger.
inline constexpr quint64 kLzxFrame = 0x8000;
inline constexpr quint64 kLzxSlack = 6144;

// Where the content (section 0) of a help file begins, from its "ITSF" header.
std::optional<quint64> ContentOffset(const QByteArray& file);

// How many bytes of compressed content (section 1, from its start) lie in blocks that chmlib can
// decompress safely, given where in section 0 the reset table it uses begins: every block the
// table lists must have from 0 to one frame and kLzxSlack compressed bytes. Nothing when the
// table itself is damaged. An object of section 1 that ends beyond the span must not be read.
std::optional<quint64> SoundCompressedSpan(const QByteArray& file, quint64 resetTable);

}  // namespace solvanex::help
