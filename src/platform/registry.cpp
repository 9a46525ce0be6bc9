#include "platform/registry.h"

#include "core/errors.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariant>
#endif

namespace qs {

namespace {

constexpr const char* kCreateKeyFailed = "Failed to create key Import\\QS2017";
constexpr const char* kSetDataFailed = "Failed to set data for 'TextDirectory'";

}  // namespace

#ifdef _WIN32

void TSettingsRegistry::WriteTextDirectory(const std::string& folder) {
    HKEY quillstone = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "QUILLSTONE", 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &quillstone, nullptr) != ERROR_SUCCESS) {
        throw EMergeError(kCreateKeyFailed);
    }
    HKEY key = nullptr;
    const LONG created =
        RegCreateKeyExA(quillstone, "Import\\QS2017", 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(quillstone);
    if (created != ERROR_SUCCESS)
        throw EMergeError(kCreateKeyFailed);
    // REG_SZ data with its terminating zero byte.
    const LONG set = RegSetValueExA(key, "TextDirectory", 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(folder.c_str()),
                                    static_cast<DWORD>(folder.size() + 1));
    RegCloseKey(key);
    if (set != ERROR_SUCCESS)
        throw EMergeError(kSetDataFailed);
}

std::string TSettingsRegistry::ReadTextDirectory() {
    DWORD size = 0;
    const char* subKey = "QUILLSTONE\\Import\\QS2017";
    if (RegGetValueA(HKEY_CURRENT_USER, subKey, "TextDirectory", RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS ||
        size == 0) {
        return {};
    }
    std::string data(size, '\0');
    if (RegGetValueA(HKEY_CURRENT_USER, subKey, "TextDirectory", RRF_RT_REG_SZ, nullptr,
                     data.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    data.resize(size > 0 ? size - 1 : 0);  // without the terminating zero
    return data;
}

#else

namespace {

constexpr const char* kValueKey = "QS2017/TextDirectory";

// The folder QSettings uses for the user scope (XDG_CONFIG_HOME or ~/.config),
// looked up on every call rather than cached.
QString SettingsFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return {};
    return base + QStringLiteral("/QUILLSTONE");
}

}  // namespace

std::string TSettingsRegistry::SettingsFileName() {
    const QString folder = SettingsFolder();
    if (folder.isEmpty())
        return {};
    const QByteArray name = QFile::encodeName(folder + QStringLiteral("/Import.ini"));
    return std::string(name.constData(), static_cast<std::size_t>(name.size()));
}

void TSettingsRegistry::WriteTextDirectory(const std::string& folder) {
    // The key: the settings folder and file. A file is created empty here, like
    // a new registry key without values, so that a failure to create it is told
    // apart from a failure to write the value.
    const QString settingsFolder = SettingsFolder();
    if (settingsFolder.isEmpty() || !QDir().mkpath(settingsFolder)) {
        throw EMergeError(kCreateKeyFailed);
    }
    const QString fileName = settingsFolder + QStringLiteral("/Import.ini");
    if (!QFileInfo::exists(fileName)) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            throw EMergeError(kCreateKeyFailed);
        }
        file.close();
    }

    QSettings settings(fileName, QSettings::IniFormat);
    // A file that could not be read would be written back without its other keys.
    if (settings.status() != QSettings::NoError)
        throw EMergeError(kSetDataFailed);
    settings.setValue(QLatin1String(kValueKey),
                      QString::fromLatin1(folder.data(), static_cast<qsizetype>(folder.size())));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EMergeError(kSetDataFailed);
}

std::string TSettingsRegistry::ReadTextDirectory() {
    const QString settingsFolder = SettingsFolder();
    if (settingsFolder.isEmpty())
        return {};
    const QString fileName = settingsFolder + QStringLiteral("/Import.ini");
    if (!QFileInfo(fileName).isFile())
        return {};
    const QSettings settings(fileName, QSettings::IniFormat);
    const QVariant value = settings.value(QLatin1String(kValueKey));
    if (!value.isValid())
        return {};
    const QByteArray bytes = value.toString().toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

#endif

}  // namespace qs
