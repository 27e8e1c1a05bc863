#pragma once

#include <QObject>
#include <QRect>
#include <QString>

// One remote connection. A plain data holder: the dialogs, the labels and the
// configuration file read and write the fields directly.
class Server : public QObject {
    Q_OBJECT
public:
    explicit Server(QObject* parent = nullptr);

    QString server_id;
    QString display_name;
    QString rps_hostname_port;
    QString remote_app;
    QString rps_connection_type;
    QString rps_color_depth;
    QString rps_graphics_quality;
    QString rps_audio_quality;
    QString rps_redirect_audio;
    QString rps_redirect_mic;
    QString rps_latency;
    QString rps_security;
    QString rps_window_size;
    QString rps_window_percentage;

    qint32 index_conxn_type = -1;
    qint32 index_color_depth = -1;
    qint32 index_graphics_quality = -1;
    qint32 index_audio_quality = -1;
    qint32 index_redirect_audio = -1;
    qint32 index_redirect_mic = -1;
    qint32 index_latency = -1;
    qint32 index_security = -1;
    qint32 index_window_size = -1;

    qint32 xpos = -1;
    qint32 ypos = -1;
    qint32 width = -1;
    qint32 height = -1;

    // Given by the workspace that holds the record, unique even where a file
    // repeats an id; a copy carries its original's, a record not yet held none (0).
    quint64 handle = 0;
};

// A new record holding the same values, the handle included.
Server* copyOf(const Server& server);
// Every field of from, the handle aside.
void assignFields(Server& to, const Server& from);

// The place and size of a server's label, kept within 2^24 pixels either way,
// so that no sum of them can overflow: a hand-edited file may hold any number.
QRect labelRect(int xpos, int ypos, int width, int height);
QRect labelRect(const Server& server);
