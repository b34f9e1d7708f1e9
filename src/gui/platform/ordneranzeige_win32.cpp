#include <QDir>
#include <QProcess>

#include "gui/platform/ordneranzeige.h"
#include "gui/qttext.h"

bool ImOrdnerZeigen(const std::string& pfad) {
    // Explorer reads its command line itself: "/select," and the quoted path must reach it
    // as they stand, not quoted once more as one argument.
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(QStringLiteral("/select,\"%1\"").arg(QDir::toNativeSeparators(AlsQString(pfad))));
    return explorer.startDetached() || OrdnerOeffnen(pfad);
}
