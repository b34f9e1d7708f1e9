#include "gui/dateimime.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

#include "gui/qttext.h"

QMimeData* DateienAlsMime(const std::vector<std::string>& pfade) {
    auto* daten = new QMimeData;
    QList<QUrl> urls;
    QByteArray gnome("copy");
    for (const std::string& pfad : pfade) {
        const QUrl url = QUrl::fromLocalFile(AlsQString(pfad));
        urls.push_back(url);
        gnome += '\n' + url.toEncoded();
    }
    daten->setUrls(urls);
    daten->setData(QStringLiteral("x-special/gnome-copied-files"), gnome);
    return daten;
}

std::vector<std::string> LokaleDateien(const QMimeData& daten) {
    std::vector<std::string> pfade;
    for (const QUrl& url : daten.urls())
        // As the user's system writes paths: messages name them so.
        if (url.isLocalFile()) pfade.push_back(AlsUtf8(QDir::toNativeSeparators(url.toLocalFile())));
    return pfade;
}
