#include "model/ServerAddress.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ServerAddress)
};

// The usual port of each protocol, by the value zev.conf stores for it.
const std::pair<const char*, quint16> kUsualPorts[] = {
    {"rdp", 3389}, {"rfx", 3389},    {"vnc", 5900},    {"spice", 5900},      {"x11", 6000},      {"nx", 4000},
    {"telnet", 23}, {"tn3270", 23}, {"hdx", 1494},    {"vmview", 443},      {"authentic8", 443},
};

// VNC and X11 name a display after the host by long convention ("host:1"):
// a number below 100 there is a display, counted from the protocol's usual port.
constexpr uint kLastDisplay = 99;

bool countsDisplays(const QString& connectionType)
{
    return connectionType.compare(QLatin1String("vnc"), Qt::CaseInsensitive) == 0 ||
           connectionType.compare(QLatin1String("x11"), Qt::CaseInsensitive) == 0;
}

quint16 usualPort(const QString& connectionType, const QString& scheme)
{
    for (const auto& [type, port] : kUsualPorts) {
        if (connectionType.compare(QLatin1String(type), Qt::CaseInsensitive) == 0)
            return port;
    }
    return scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80;
}

} // namespace

QString ServerAddress::text() const
{
    if (!valid)
        return written;
    return (host.contains(u':') ? u'[' + host + u']' : host) + u':' + QString::number(port);
}

ServerAddress serverAddress(const QString& hostnamePort, const QString& connectionType)
{
    QString rest = hostnamePort.trimmed();
    QString scheme;
    const qsizetype schemeEnd = rest.indexOf(QLatin1String("://"));
    if (schemeEnd >= 0) {
        scheme = rest.left(schemeEnd);
        rest = rest.mid(schemeEnd + 3);
    }
    rest = rest.section(u'/', 0, 0); // a web address may go on with a path
    rest = rest.section(u'@', -1);   // and any address may name a user first

    ServerAddress address;
    address.written = hostnamePort;
    const auto refuse = [&address](const QString& problem) {
        address.problem = problem;
        return address;
    };
    QString portText;
    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        if (close < 0)
            return refuse(Text::tr("the “]” after the IPv6 address is missing"));
        address.host = rest.mid(1, close - 1);
        if (rest.size() > close + 1) {
            if (rest[close + 1] != u':')
                return refuse(Text::tr("only “:” and a port may follow the “]”"));
            portText = rest.mid(close + 2);
        }
    } else if (rest.count(u':') == 1) {
        address.host = rest.section(u':', 0, 0);
        portText = rest.section(u':', 1);
    } else {
        address.host = rest; // a name, or a bare IPv6 address without a port
    }
    if (address.host.isEmpty())
        return refuse(Text::tr("no host name or address is given"));

    bool ok = true;
    uint port = portText.isEmpty() ? usualPort(connectionType, scheme) : portText.toUInt(&ok);
    if (!ok)
        return refuse(Text::tr("the port “%1” is not a number").arg(portText));
    if (!portText.isEmpty() && port <= kLastDisplay && countsDisplays(connectionType))
        port += usualPort(connectionType, scheme);
    if (port < 1 || port > 65535)
        return refuse(Text::tr("the port %1 is not between 1 and 65535").arg(portText));
    address.port = quint16(port);
    address.valid = true;
    return address;
}
