#include "platform/registry.h"

#include "core/errors.h"

namespace qs {

void TSettingsRegistry::WriteTextDirectory(const std::string&) {
    throw EMergeError("Failed to set data for 'TextDirectory'");
}

std::string TSettingsRegistry::ReadTextDirectory() { return {}; }

}  // namespace qs
