// libmspack's file access (its mspack_system) over one file descriptor, opened once by the
// archive: libmspack opens the help file by name at opening and again at the first extraction;
// each of those opens gets a reading position of its own over the same descriptor, so the file is
// never looked up by name a second time, and no part of it is mapped into memory (a file cut short
// while it is open then fails a read instead of killing the program). What libmspack extracts
// goes into memory, up to a limit.
#pragma once

#include <QByteArray>

#include <sys/types.h>

#include <mspack.h>

namespace solvanex::help {

class ChmFileSystem {
 public:
  // Takes the descriptor, open for reading, of a regular file of size bytes; closes it at the end.
  ChmFileSystem(int fd, off_t size);
  ~ChmFileSystem();
  ChmFileSystem(const ChmFileSystem&) = delete;
  ChmFileSystem& operator=(const ChmFileSystem&) = delete;

  mspack_system* System() { return &table_.system; }
  // The names to give libmspack for the help file and for the object being extracted: any other
  // name fails to open.
  static const char* InputName();
  static const char* OutputName();
  // Where the next extraction writes, and how many bytes it may write before a write fails.
  void SetOutput(QByteArray* output, qint64 limit);
  // Reads see bytes in place of the file's own from offset on.
  void Overlay(off_t offset, const QByteArray& bytes);

 private:
  struct Table {
    mspack_system system;  // first, so that libmspack's pointer to it leads back here
    ChmFileSystem* owner;
  };
  struct File;

  static mspack_file* Open(mspack_system* self, const char* name, int mode);
  static void Close(mspack_file* file);
  static int Read(mspack_file* file, void* buffer, int bytes);
  static int Write(mspack_file* file, void* buffer, int bytes);
  static int Seek(mspack_file* file, off_t offset, int mode);
  static off_t Tell(mspack_file* file);
  static void Message(mspack_file* file, const char* format, ...);
  static void* Alloc(mspack_system* self, size_t bytes);
  static void Free(void* pointer);
  static void Copy(void* source, void* destination, size_t bytes);

  Table table_;
  int fd_;
  off_t size_;
  off_t overlayOffset_ = 0;
  QByteArray overlay_;
  QByteArray* output_ = nullptr;
  qint64 outputLimit_ = 0;
};

}  // namespace solvanex::help
