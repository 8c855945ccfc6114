// Damage done to a built help file in one place, for the tests and the fuzzing seeds: numbers of
// its headers, of its listing entries and of its compression headers replaced, an index chunk
// added. The file is the one the help compiler writes: one listing chunk, a version 3 header.
#pragma once

#include <QByteArray>

namespace solvanex::testing {

// The little-endian number of width bytes at `at`, and its replacement.
qint64 Number(const QByteArray& bytes, qsizetype at, int width);
void SetNumber(QByteArray& bytes, qsizetype at, int width, quint64 value);

// Where the parts of a help file lie: its directory header ("ITSP"), its one listing chunk and
// the start of its uncompressed content.
struct BuiltLayout {
  qint64 directory = 0;
  qint64 chunkSize = 0;
  qint64 listing = 0;
  qint64 content = 0;
};
BuiltLayout Layout(const QByteArray& bytes);

extern const QByteArray kResetTable;
extern const QByteArray kControlData;

// A listing entry's numbers.
struct ListingEntry {
  qint64 section;
  qint64 offset;
  qint64 length;
};
ListingEntry Entry(const QByteArray& bytes, const QByteArray& name);
// Rewrites the numbers of name's entry (-1 keeps one), within the listing chunk's free space.
void SetEntry(QByteArray& bytes, const QByteArray& name, ListingEntry values);

// Adds an index chunk ("PMGI") after the listing chunk, makes it the directory's index root, and
// has its one entry name that chunk itself: a reader that walks it never leaves it.
void AddSelfNamingIndex(QByteArray& bytes);

// The three faults that a reader of help files divides by zero on, loops on for ever or reads
// past its buffer on: LZX reset interval times windows per reset 0 in 32 bits; the index root
// naming itself, with the control data left out of the listing so that a reader looks it up
// through the index; a listing chunk whose free space wraps a 32-bit end pointer.
QByteArray WithZeroResetProduct(QByteArray bytes);
QByteArray WithSelfNamingIndex(QByteArray bytes);
QByteArray WithWrappingFreeSpace(QByteArray bytes);

}  // namespace solvanex::testing
