#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// Writes all of bytes, or reports false: a short write is a failed write.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Every file the program writes goes through here. The content is written
// beside the target and renamed over it only once every byte was written, so a
// crash or a full disk never leaves a truncated file behind.
// Returns false (with a reason in errorText) when the file was not replaced.
bool saveFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString* errorText = nullptr);

// The same promise for many files in one folder, at the cost of one sync
// instead of one per file: every file is first written to a temporary name
// beside its target, then all of them are made durable together, and only
// then is each renamed over its target. A crash at any moment leaves each
// target either wholly old or wholly new.
class BatchSave {
public:
    explicit BatchSave(const QString& folder);
    ~BatchSave();
    BatchSave(const BatchSave&) = delete;
    BatchSave& operator=(const BatchSave&) = delete;

    // Writes bytes to the temporary file of fileName; false when that failed.
    bool stage(const QString& fileName, const QByteArray& bytes);

    // Makes the staged files durable and moves them into place, in staging
    // order. A target that cannot be replaced is handed to failed with its
    // path; failed returning false abandons the rest, and commit then
    // returns false.
    bool commit(const std::function<bool(const QString& path)>& failed);

private:
    QString targetPath(const QString& fileName) const;
    QString temporaryPath(const QString& fileName) const;
    void discardFrom(qsizetype first);

    QString folder;
    QStringList staged;
    QSet<QString> stagedNames;
};
