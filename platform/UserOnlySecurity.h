// Security attributes for files that the current user alone may open (Windows only): a
// protected access list, inheriting nothing from the directory, with one entry allowing the
// account this process runs as, which also owns the file.
#pragma once

#include <windows.h>

#include <vector>

namespace solvanex::platform {

// The security identifier of the account this process runs as, or empty.
std::vector<BYTE> CurrentUserSid();

class UserOnlySecurity {
 public:
  UserOnlySecurity();
  UserOnlySecurity(const UserOnlySecurity&) = delete;
  UserOnlySecurity& operator=(const UserOnlySecurity&) = delete;

  // Null when the descriptor could not be made: the caller then creates nothing.
  SECURITY_ATTRIBUTES* Attributes() { return ok_ ? &attributes_ : nullptr; }
  PSID User() { return sid_.empty() ? nullptr : sid_.data(); }

 private:
  std::vector<BYTE> sid_;
  std::vector<BYTE> acl_;
  SECURITY_DESCRIPTOR descriptor_{};
  SECURITY_ATTRIBUTES attributes_{};
  bool ok_ = false;
};

}  // namespace solvanex::platform
