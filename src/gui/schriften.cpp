#include "gui/schriften.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The first family of the list the system has; the later ones look closest to the first
// where the Windows fonts are missing.
QFont Schrift(const QStringList& familien, int pixel, bool fett) {
    QFont f;
    const QStringList vorhanden = QFontDatabase::families();
    for (const QString& familie : familien) {
        if (vorhanden.contains(familie, Qt::CaseInsensitive)) {
            f.setFamily(familie);
            break;
        }
    }
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

}  // namespace

QFont FensterSchrift(int pixel, bool fett) {
    return Schrift({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Helvetica",
                    "DejaVu Sans"},
                   pixel, fett);
}

QFont TahomaSchrift(bool fett) {
    return Schrift({"Tahoma", "Verdana", "DejaVu Sans Condensed", "Liberation Sans", "DejaVu Sans"}, 11, fett);
}
