#include "model/Server.h"

#include "model/ServerFields.h"

Server::Server(QObject* parent) : QObject(parent) {}

void assignFields(Server& to, const Server& from)
{
    for (const ServerField& field : serverFields()) {
        if (field.text)
            to.*field.text = from.*field.text;
        else
            to.*field.number = from.*field.number;
    }
}

Server* copyOf(const Server& server)
{
    auto* copy = new Server;
    assignFields(*copy, server);
    copy->handle = server.handle;
    return copy;
}

namespace {

constexpr int kFarthest = 1 << 24;

int within(int value, int least)
{
    return qBound(least, value, kFarthest);
}

} // namespace

QRect labelRect(int xpos, int ypos, int width, int height)
{
    return QRect(within(xpos, -kFarthest), within(ypos, -kFarthest), within(width, 0), within(height, 0));
}

QRect labelRect(const Server& server)
{
    return labelRect(server.xpos, server.ypos, server.width, server.height);
}
