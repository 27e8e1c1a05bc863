#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Writes all of bytes, or reports false: a short write is a failed write.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Every file the program writes goes through here. The content is written
// beside the target and renamed over it only once every byte was written, so a
// crash or a full disk never leaves a truncated file behind.
// Returns false (with a reason in errorText) when the file was not replaced.
bool saveFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString* errorText = nullptr);
