#include "clinical/ClinicalKeys.h"

namespace solvanex {

const std::vector<KeyBinding>& ClinicalKeys() {
  static const std::vector<KeyBinding> keys;
  return keys;
}

}  // namespace solvanex
