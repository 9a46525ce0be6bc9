#include "app/textconv.h"

#include <QFile>
#include <QStringDecoder>

namespace qsapp {

QString DisplayText(const std::string& text) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString result = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (utf8.hasError()) {
        result = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::string CoreText(const QString& text) {
    return text.toStdString();
}

QString FileNameToQt(const std::string& fileName) {
    return QFile::decodeName(QByteArray(fileName.data(), static_cast<qsizetype>(fileName.size())));
}

std::string FileNameFromQt(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace qsapp
