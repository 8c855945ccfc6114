#include "platform/FileTrust.h"

namespace solvanex::platform {

std::string FileTrustRefusal(FileTrust trust) {
  switch (trust) {
    case FileTrust::kWritableByOthers:
      return "writable by another user";
    case FileTrust::kForeignOwner:
      return "owned by another user";
    default:
      return {};
  }
}

}  // namespace solvanex::platform
