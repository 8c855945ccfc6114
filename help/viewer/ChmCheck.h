// Checks of a compiled help file's own headers, made before chmlib opens it: chmlib takes the
// sizes those headers declare as they stand, and a damaged file could make it allocate gigabytes
// for every look-up, read past its buffers, divide by zero or loop for ever.
#pragma once

#include <QByteArray>

namespace solvanex::help {

// Help compilers write directory chunks of 4 or 8 KiB; more than this is a damaged file.
inline constexpr quint32 kMaxDirectoryChunk = 64 * 1024;

// Whether the bytes of a whole help file have sound headers: "ITSF" and the directory header
// "ITSP" where it points, with a directory chunk size from 1 byte to kMaxDirectoryChunk; and,
// when the file holds compressed content, an LZX reset table of 32 KiB frames and control data
// with a reset interval and a window that LZX allows; and a chain of listing chunks that ends.
bool HasSoundChmHeaders(const QByteArray& file);

}  // namespace solvanex::help
