#pragma once
// Conversions between the core's single-byte strings and Qt's strings.
#include <QString>
#include <string>

namespace qsapp {

// Text for display: UTF-8 when the bytes are valid UTF-8, otherwise every
// byte as one Latin-1 character, so that no byte is lost or replaced.
// CR LF and lone CR become the line feed that Qt's widgets break lines on.
QString DisplayText(const std::string& text);

// Text typed into a control, as the core's single-byte string (UTF-8).
std::string CoreText(const QString& text);

// File names: the platform's encoding of file names, both ways.
QString FileNameToQt(const std::string& fileName);
std::string FileNameFromQt(const QString& fileName);

}  // namespace qsapp
