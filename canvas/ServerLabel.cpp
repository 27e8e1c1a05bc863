#include "canvas/ServerLabel.h"

#include "model/Server.h"

namespace {

const QString kNormalStyle = QStringLiteral("background-color: rgba(0, 0, 0, 80);");

} // namespace

ServerLabel::ServerLabel(QWidget* parent, QRect* bounds, QList<Server*>* servers, Server* server)
    : QLabel(parent), servers(servers), server(server), bounds(bounds)
{
    setMouseTracking(true);
    setStyleSheet(kNormalStyle);
    // Horizontal centre with both the vertical-centre and the bottom bit set, as labels always had.
    setAlignment(Qt::Alignment(0xC4));
    setContextMenuPolicy(Qt::CustomContextMenu);
    setGeometry(server->xpos, server->ypos, server->width, server->height);
    setText(server->display_name);
    show();
}

void ServerLabel::onServerAdded(Server* s)
{
    emit onNewServer(s);
}

void ServerLabel::onServerDataChanged()
{
    emit onDataChanged();
}
