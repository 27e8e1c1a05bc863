#include "model/Server.h"

Server::Server(QObject* parent) : QObject(parent) {}
