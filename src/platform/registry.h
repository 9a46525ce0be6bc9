#pragma once
// The registry value "TextDirectory" under QUILLSTONE\Import\QS2017.
// On Windows the real HKEY_CURRENT_USER value (REG_SZ), written through the
// ANSI functions so that the folder's bytes reach the host product unchanged.
// Elsewhere the per-user settings file of QSettings(IniFormat, UserScope,
// "QUILLSTONE", "Import"): $XDG_CONFIG_HOME/QUILLSTONE/Import.ini (default
// ~/.config), key "QS2017/TextDirectory", other keys of that file preserved.
// There each byte of the folder is stored as the Latin-1 character of the same
// code, so that every byte value round-trips, whatever the folder's encoding.
// The file's location is worked out again on every call, so a changed
// XDG_CONFIG_HOME takes effect at once.
#include <string>

#include "core/services.h"

namespace qs {

class TSettingsRegistry final : public IRegistry {
  public:
    // Throws EMergeError "Failed to create key Import\QS2017" when the key (the
    // settings folder or file) cannot be created, and "Failed to set data for
    // 'TextDirectory'" when the value cannot be written.
    void WriteTextDirectory(const std::string& folder) override;
    // The value as stored, or empty when none; for tests and the console tool.
    static std::string ReadTextDirectory();
#ifndef _WIN32
    // The settings file that holds the value.
    static std::string SettingsFileName();
#endif
};

}  // namespace qs
