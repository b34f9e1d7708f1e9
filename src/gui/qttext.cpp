#include "gui/qttext.h"

#include "core/zeichensatz.h"

QString AlsQString(std::string_view utf8) {
    const std::string text = AnzeigeText(utf8);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string AlsUtf8(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

std::optional<QString> AlsQPfad(const std::string& pfad) {
    QString text = AlsQString(pfad);
    if (AlsUtf8(text) != pfad) return std::nullopt;
    return text;
}
