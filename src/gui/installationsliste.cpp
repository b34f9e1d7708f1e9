#include "gui/installationsliste.h"

#include <QHeaderView>

#include "core/spielstart.h"
#include "gui/qttext.h"

TInstallationsliste::TInstallationsliste(QWidget* eltern, std::vector<TInstallation> installationen)
    : QTreeWidget(eltern), installationen_(std::move(installationen)) {
    setObjectName("lstInstallationen");
    setColumnCount(3);
    setHeaderLabels({tr("Ausgabe"), tr("Ordner"), tr("Gefunden über")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(1, QHeaderView::Stretch);
    header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    for (const TInstallation& i : installationen_) {
        // Folder names are plain text: an item shows them as they are.
        auto* zeile = new QTreeWidgetItem(this, {QString::fromUtf8(EditionName(i.Edition)) + " (" + AlsQString(i.Programm) + ")",
                                                 AlsQString(i.Ordner), HerkunftText(i)});
        zeile->setToolTip(2, AlsQString(i.Quelle));
        zeile->setToolTip(1, AlsQString(i.Ordner));
    }
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* zeile) {
        const int n = indexOfTopLevelItem(zeile);
        if (n >= 0 && Gewaehlt) Gewaehlt(installationen_[static_cast<std::size_t>(n)]);
    });
}

void TInstallationsliste::Markieren(const std::string& ordner, const std::string& programm) {
    for (std::size_t n = 0; n < installationen_.size(); ++n) {
        const TInstallation& i = installationen_[n];
        if (GleicherOrdner(i.Ordner, ordner) && EditionVon(i.Programm) == EditionVon(programm)) {
            setCurrentItem(topLevelItem(static_cast<int>(n)));
            return;
        }
    }
    setCurrentItem(nullptr);
}

QString TInstallationsliste::HerkunftText(const TInstallation& i) {
    if (i.Herkunft == "Steam") return tr("Steam (App %1)").arg(QString::fromStdString(i.SteamAppId));
    if (i.Herkunft == "Registry")
        return i.WinePraefix.empty() ? tr("Registry") : tr("Registry von Wine: %1").arg(AlsQString(i.WinePraefix));
    if (i.Herkunft == "config.ini") return tr("von Hand eingetragen");
    return i.WinePraefix.empty() ? QString::fromStdString(i.Herkunft)
                                 : tr("%1: %2").arg(QString::fromStdString(i.Herkunft), AlsQString(i.WinePraefix));
}
