#include "model/Server.h"

Server::Server(QObject* parent) : QObject(parent) {}

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
