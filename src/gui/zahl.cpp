#include "gui/zahl.h"

#include <cstddef>

#include "core/fehler.h"

std::int32_t StrToInt(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negativ = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
    const std::size_t ziffernAb = i;
    std::int64_t wert = 0;
    bool zuGross = false;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        wert = wert * 10 + (text[i] - '0');
        if (wert > 2147483648LL) zuGross = true, wert = 2147483648LL;
    }
    const bool ziffern = i > ziffernAb;
    while (i < n && text[i] == ' ') ++i;
    if (negativ) wert = -wert;
    if (!ziffern || i != n || zuGross || wert > 2147483647LL)
        throw Fehler(TFehlerart::KeineZahl, text);
    return static_cast<std::int32_t>(wert);
}
