// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/serveraddress.h"

#include <QUrl>
#include <QUrlQuery>

namespace record {

QString ServerAddress::shown() const
{
    QString text = user.isEmpty() ? QString() : user + u'@';
    text += host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port != 5432)
        text += u':' + QString::number(port);
    return text + u'/' + database;
}

QString ServerAddress::url() const
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    url.setPath(u'/' + database);
    if (port != 5432)
        url.setPort(port);
    QUrlQuery query;
    // A socket's folder goes where libpq takes it, as serverAddressOf reads it.
    if (host.startsWith(u'/')) {
        url.setHost(QStringLiteral("localhost"));
        query.addQueryItem(QStringLiteral("host"), host);
    } else {
        url.setHost(host); // none: libpq's own socket
    }
    if (!sslmode.isEmpty())
        query.addQueryItem(QStringLiteral("sslmode"), sslmode);
    url.setQuery(query);
    return url.toString();
}

QString ServerAddress::connectOptions() const
{
    QString options = QStringLiteral("connect_timeout=3");
    if (!sslmode.isEmpty())
        options += QStringLiteral(";sslmode=") + sslmode;
    return options;
}

bool isServerUrl(const QString &text)
{
    return text.startsWith(QLatin1String("postgresql://")) ||
           text.startsWith(QLatin1String("postgres://"));
}

std::optional<ServerAddress> serverAddressOf(const QString &url)
{
    if (!isServerUrl(url))
        return std::nullopt;
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid())
        return std::nullopt;
    ServerAddress address;
    address.host = parsed.host();
    address.port = parsed.port(5432);
    address.database = parsed.path().mid(1);
    address.user = parsed.userName();
    address.password = parsed.password();
    const QUrlQuery query(parsed);
    address.sslmode = query.queryItemValue(QStringLiteral("sslmode"));
    // As libpq: ?host=/run/postgresql names a socket folder, which a URL's
    // host part cannot hold.
    if (query.hasQueryItem(QStringLiteral("host")))
        address.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (address.database.isEmpty() || address.database.contains(u'/'))
        return std::nullopt;
    return address;
}

} // namespace record
