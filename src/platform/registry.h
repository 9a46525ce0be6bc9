#pragma once
// The registry value "TextDirectory" under QUILLSTONE\Import\QS2017.
// On Windows the real HKEY_CURRENT_USER value; elsewhere the per-user settings
// file of QSettings(IniFormat, UserScope, "QUILLSTONE", "Import"), key
// "QS2017/TextDirectory", other keys of that file preserved.
#include <string>

#include "core/services.h"

namespace qs {

class TSettingsRegistry final : public IRegistry {
public:
    void WriteTextDirectory(const std::string& folder) override;
    // The value as stored, or empty when none; for tests and the console tool.
    static std::string ReadTextDirectory();
};

}  // namespace qs
