#include "ChmFileSystem.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace solvanex::help {

namespace {

constexpr char kInputName[] = "<help file>";
constexpr char kOutputName[] = "<object>";

}  // namespace

// What libmspack holds as an open file: a reading position over the descriptor, or the output.
struct ChmFileSystem::File {
  ChmFileSystem* owner;
  bool output;
  off_t position;
};

ChmFileSystem::ChmFileSystem(int fd, off_t size) : fd_(fd), size_(size) {
  table_.system = {&Open,    &Close, &Read, &Write, &Seek,  &Tell,
                   &Message, &Alloc, &Free, &Copy,  nullptr};
  table_.owner = this;
}

ChmFileSystem::~ChmFileSystem() {
  close(fd_);
}

const char* ChmFileSystem::InputName() {
  return kInputName;
}

const char* ChmFileSystem::OutputName() {
  return kOutputName;
}

void ChmFileSystem::SetOutput(QByteArray* output, qint64 limit) {
  output_ = output;
  outputLimit_ = limit;
}

void ChmFileSystem::Overlay(off_t offset, const QByteArray& bytes) {
  overlayOffset_ = offset;
  overlay_ = bytes;
}

mspack_file* ChmFileSystem::Open(mspack_system* self, const char* name, int mode) {
  ChmFileSystem* owner = reinterpret_cast<Table*>(self)->owner;
  // The names are compared as pointers: they are ours, and nothing else may be opened.
  if (name == kInputName && mode == MSPACK_SYS_OPEN_READ) {
    return reinterpret_cast<mspack_file*>(new File{owner, false, 0});
  }
  if (name == kOutputName && mode == MSPACK_SYS_OPEN_WRITE && owner->output_ != nullptr) {
    return reinterpret_cast<mspack_file*>(new File{owner, true, 0});
  }
  return nullptr;
}

void ChmFileSystem::Close(mspack_file* file) {
  delete reinterpret_cast<File*>(file);
}

int ChmFileSystem::Read(mspack_file* handle, void* buffer, int bytes) {
  auto* file = reinterpret_cast<File*>(handle);
  if (file->output || bytes < 0) return -1;
  ChmFileSystem* owner = file->owner;
  const off_t start = file->position;
  auto* bytesRead = static_cast<char*>(buffer);
  int done = 0;
  while (done < bytes) {
    const ssize_t count =
        pread(owner->fd_, bytesRead + done, static_cast<size_t>(bytes - done), file->position);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return -1;
    if (count == 0) break;  // the end of the file
    done += static_cast<int>(count);
    file->position += count;
  }
  // The overlay's part within what was read.
  const off_t overlayEnd = owner->overlayOffset_ + owner->overlay_.size();
  for (off_t at = std::max(start, owner->overlayOffset_); at < std::min(start + done, overlayEnd);
       ++at) {
    bytesRead[at - start] = owner->overlay_[static_cast<qsizetype>(at - owner->overlayOffset_)];
  }
  return done;
}

int ChmFileSystem::Write(mspack_file* handle, void* buffer, int bytes) {
  auto* file = reinterpret_cast<File*>(handle);
  ChmFileSystem* owner = file->owner;
  if (!file->output || owner->output_ == nullptr || bytes < 0 ||
      bytes > owner->outputLimit_ - owner->output_->size()) {
    return -1;
  }
  owner->output_->append(static_cast<const char*>(buffer), bytes);
  return bytes;
}

int ChmFileSystem::Seek(mspack_file* handle, off_t offset, int mode) {
  auto* file = reinterpret_cast<File*>(handle);
  if (file->output) return -1;
  off_t base = 0;
  switch (mode) {
    case MSPACK_SYS_SEEK_START:
      break;
    case MSPACK_SYS_SEEK_CUR:
      base = file->position;
      break;
    case MSPACK_SYS_SEEK_END:
      base = file->owner->size_;
      break;
    default:
      return -1;
  }
  // Positions outside the file are refused, so that sums of untrusted offsets cannot overflow.
  if (offset < -base || offset > file->owner->size_ - base) return -1;
  file->position = base + offset;
  return 0;
}

off_t ChmFileSystem::Tell(mspack_file* handle) {
  return reinterpret_cast<File*>(handle)->position;
}

void ChmFileSystem::Message(mspack_file*, const char*, ...) {
  // libmspack's warnings about a damaged file: the archive judges the file by what reads back.
}

void* ChmFileSystem::Alloc(mspack_system*, size_t bytes) {
  return std::malloc(bytes);
}

void ChmFileSystem::Free(void* pointer) {
  std::free(pointer);
}

void ChmFileSystem::Copy(void* source, void* destination, size_t bytes) {
  std::memmove(destination, source, bytes);
}

}  // namespace solvanex::help
