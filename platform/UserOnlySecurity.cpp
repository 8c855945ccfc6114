#include "platform/UserOnlySecurity.h"

namespace solvanex::platform {

std::vector<BYTE> CurrentUserSid() {
  HANDLE token = nullptr;
  if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token) == 0) return {};
  DWORD size = 0;
  ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> information(size);
  std::vector<BYTE> sid;
  if (size != 0 && ::GetTokenInformation(token, TokenUser, information.data(), size, &size) != 0) {
    const PSID user = reinterpret_cast<const TOKEN_USER*>(information.data())->User.Sid;
    if (::IsValidSid(user) != 0) {
      const BYTE* bytes = static_cast<const BYTE*>(user);
      sid.assign(bytes, bytes + ::GetLengthSid(user));
    }
  }
  ::CloseHandle(token);
  return sid;
}

UserOnlySecurity::UserOnlySecurity() : sid_(CurrentUserSid()) {
  if (sid_.empty()) return;
  const PSID sid = sid_.data();
  acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + ::GetLengthSid(sid));
  PACL acl = reinterpret_cast<PACL>(acl_.data());
  ok_ = ::InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) != 0 &&
        ::AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, sid) != 0 &&
        ::InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) != 0 &&
        ::SetSecurityDescriptorOwner(&descriptor_, sid, FALSE) != 0 &&
        ::SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) != 0 &&
        ::SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED) != 0;
  attributes_.nLength = sizeof attributes_;
  attributes_.lpSecurityDescriptor = &descriptor_;
  attributes_.bInheritHandle = FALSE;
}

}  // namespace solvanex::platform
