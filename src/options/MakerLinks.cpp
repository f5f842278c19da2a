#include "options/MakerLinks.h"

#include <QUrl>

namespace zz {

namespace {

QString withoutTrailingSlash(QString server) {
    while (server.endsWith(u'/'))
        server.chop(1);
    return server;
}

} // namespace

QString versionQueryPath() {
    return QStringLiteral("/home/download/GetversionSW.asp?nomesw=KT883");
}

QString versionQueryUrl(const QString& server) {
    return withoutTrailingSlash(server) + versionQueryPath();
}

QString downloadPageUrl(const QString& server) {
    return withoutTrailingSlash(server) + QStringLiteral("/Home/download/download.asp#KH883");
}

QString homePageUrl(const QString& server) {
    return withoutTrailingSlash(server) + QStringLiteral("/HOME/default.asp?frompg=KT883");
}

QString makerWebAddress(const QString& server) {
    const QUrl url(server);
    return url.host().isEmpty() ? server : url.host();
}

QString anchorMarkup(const QString& address, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace zz
