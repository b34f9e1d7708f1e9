#include <QDesktopServices>
#include <QUrl>

#include "core/platform/pfad.h"
#include "gui/platform/ordneranzeige.h"
#include "gui/qttext.h"

bool OrdnerOeffnen(const std::string& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(AlsQString(plattform::OrdnerTeil(pfad))));
}
