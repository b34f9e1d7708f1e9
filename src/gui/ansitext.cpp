#include "ansitext.h"

#include <QFile>

#include "platform/codepage.h"

QString AusAnsi(const std::string& ansi) {
    std::u16string utf16 = plattform::Utf16AusAnsi(ansi);
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

std::string NachAnsi(const QString& text) {
    return plattform::AnsiAusUtf16(
        std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())));
}

QString AusPfad(const std::string& pfad) {
    return QFile::decodeName(QByteArray(pfad.data(), static_cast<qsizetype>(pfad.size())));
}

std::string NachPfad(const QString& pfad) {
    QByteArray bytes = QFile::encodeName(pfad);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
