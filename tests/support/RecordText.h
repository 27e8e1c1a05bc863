#pragma once

#include "model/Server.h"

#include <QStringList>

// Every field of a server as "name=value", in declaration order: two servers
// are equal when these lists are, and a failed comparison names the field.
inline QStringList fieldsOf(const Server& s)
{
    QStringList fields{"server_id=" + s.server_id,
                       "display_name=" + s.display_name,
                       "rps_hostname_port=" + s.rps_hostname_port,
                       "remote_app=" + s.remote_app,
                       "rps_connection_type=" + s.rps_connection_type,
                       "rps_color_depth=" + s.rps_color_depth,
                       "rps_graphics_quality=" + s.rps_graphics_quality,
                       "rps_audio_quality=" + s.rps_audio_quality,
                       "rps_redirect_audio=" + s.rps_redirect_audio,
                       "rps_redirect_mic=" + s.rps_redirect_mic,
                       "rps_latency=" + s.rps_latency,
                       "rps_security=" + s.rps_security,
                       "rps_window_size=" + s.rps_window_size,
                       "rps_window_percentage=" + s.rps_window_percentage};
    const std::pair<const char*, qint32> numbers[] = {{"index_conxn_type", s.index_conxn_type},
                                                      {"index_color_depth", s.index_color_depth},
                                                      {"index_graphics_quality", s.index_graphics_quality},
                                                      {"index_audio_quality", s.index_audio_quality},
                                                      {"index_redirect_audio", s.index_redirect_audio},
                                                      {"index_redirect_mic", s.index_redirect_mic},
                                                      {"index_latency", s.index_latency},
                                                      {"index_security", s.index_security},
                                                      {"index_window_size", s.index_window_size},
                                                      {"xpos", s.xpos},
                                                      {"ypos", s.ypos},
                                                      {"width", s.width},
                                                      {"height", s.height}};
    for (const auto& [name, value] : numbers)
        fields << QString::fromLatin1(name) + u'=' + QString::number(value);
    return fields;
}
