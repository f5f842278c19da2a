#pragma once

#include <QString>

namespace zz {

// Addresses on the maker's web server; `server` is its base address, such as
// "http://www.ostrel.com" (overridable with --server).
QString versionQueryPath();                     // "/home/download/GetversionSW.asp?nomesw=KT883"
QString versionQueryUrl(const QString& server); // the server followed by the query path
QString downloadPageUrl(const QString& server); // the download page, fragment "#KH883"
QString homePageUrl(const QString& server);     // the home page, query "frompg=KT883"

// The web address a label shows for the maker: the server's host ("www.ostrel.com"), or the
// server text itself when it names no host.
QString makerWebAddress(const QString& server);

// The anchor markup of a link label: <a href="address">text</a>.
QString anchorMarkup(const QString& address, const QString& text);

} // namespace zz
