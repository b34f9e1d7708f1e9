#include "support/testnamen.h"

const std::vector<TTestname>& Testnamen() {
    static const std::vector<TTestname> namen = {
        {"ASCII", u"Finale 2v2", "Finale 2v2", true},
        {"Umlaute", u"Grüße aus Köln", "Grüße aus Köln", true},
        {"Euro", u"€ 5 Einsatz", "€ 5 Einsatz", true},
        {"Kyrillisch", u"Финал Кубка", "Финал Кубка", true},
        {"Griechisch", u"Τελικός αγώνας", "Τελικός αγώνας", true},
        {"Chinesisch", u"最后一战", "最后一战", true},
        {"Emoji", u"GG \U0001F3C6 Sieg", "GG \U0001F3C6 Sieg", true},
        // Text, not a pattern: nothing may fill in "%1" or "%3".
        {"Prozentzeichen", u"%1 gegen %3", "%1 gegen %3", true},
        // Only what the reader shows stands for the lone half; the file keeps its unit.
        {"einzelnes Surrogat", u"a\xD83D" "b", "a\uFFFD" "b", true},
        {"leer", u"", "", false},
        {"25 Einheiten", u"Абвгдеёжзийклмнопрстуфхцч", "Абвгдеёжзийклмнопрстуфхцч", true},
        // 24 letters and an emoji of two units.
        {"26 Einheiten", u"abcdefghijklmnopqrstuvwx\U0001F600", "abcdefghijklmnopqrstuvwx\U0001F600", false},
    };
    return namen;
}
