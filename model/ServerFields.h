#pragma once

#include "model/Server.h"

#include <QString>

// One key of a server block: either a text field or a whole-number field.
struct ServerField {
    const char* key; // with its "="
    QString Server::*text;
    qint32 Server::*number;

    QString valueOf(const Server& server) const
    {
        return text ? server.*text : QString::number(server.*number);
    }
};

// The comment header both kinds of file start with; only the file name differs.
QString configFileHeader(const char* fileName);
