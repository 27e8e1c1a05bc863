#pragma once

#include "model/Server.h"

#include <QLatin1StringView>
#include <QString>

#include <array>

// One field of a server record, with everything that reads or writes it.
struct ServerField {
    QLatin1StringView key;       // in zev.conf, with its "="
    QLatin1StringView deviceKey; // in a device file, with its "="; null: not written there
    bool lowerCaseOnDevice;      // the protocol's choices go to the devices in small letters
    QString Server::*text;       // a field is either a text or a whole number
    qint32 Server::*number;
    // Merged as one with the field before it: a label's place (x, y) and its
    // size (width, height), so that a label never lands where neither side put it.
    bool mergesWithPrevious = false;

    QString valueOf(const Server& server) const
    {
        return text ? server.*text : QString::number(server.*number);
    }
    // Sets the field from its text in a file: a number that is none reads as 0.
    void assign(Server& server, QStringView value) const
    {
        if (text) {
            server.*text = value.toString();
            return;
        }
        bool ok = false;
        const int read = value.trimmed().toInt(&ok);
        server.*number = ok ? read : 0;
    }
};

// Every field of a server, in the order zev.conf writes them; a device file
// writes its fields in the same order. In the server dialog the protocol's
// position comes before the choices it offers.
const std::array<ServerField, 27>& serverFields();

// The comment header both kinds of file start with; only the file name differs.
QString configFileHeader(const char* fileName);
