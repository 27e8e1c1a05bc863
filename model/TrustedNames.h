#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/stat.h>
#include <sys/types.h>

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        reset(other.release());
        return *this;
    }

    int get() const { return fd; }
    bool isOpen() const { return fd >= 0; }
    int release()
    {
        const int held = fd;
        fd = -1;
        return held;
    }
    void reset(int newFd = -1);

private:
    int fd = -1;
};

// The program's own reasons a file is refused, beside errno values.
enum FileRefusal : int {
    kNotPlainFile = -1,
    kTooLarge = -2,
    kUntrustedLink = -3,
    kReadOnly = -4,
    kUnusableName = -5,
    kUnresolvedConflicts = -6, // a zev.conf holding merge conflict markers
};

// Why a file could not be read or written: an errno value or a FileRefusal,
// 0 for none. It says itself in words, for a message box's details and for
// the command line alike.
class FileError {
public:
    constexpr FileError(int code = 0) : value(code) {}
    constexpr int code() const { return value; }
    constexpr bool isError() const { return value != 0; }
    QString text() const;

private:
    int value;
};

// The working folder is shared with other users and served to the devices, so
// every name in it is untrusted. It is opened once; every later name is looked
// up relative to that descriptor, and links are followed only where nobody but
// this user or root could have made them or moved them there.
namespace TrustedNames {

QByteArray nativeName(const QString& name);
Descriptor duplicate(int fd);
// The folder at path, followed as the user gave it: the one time a path is resolved.
Descriptor openFolder(const QString& path);

// A folder the user chose outside the working folder (for an import list or
// a backup), its whole path followed by the rule for links in the working
// folder: no link of another user's on the way.
Descriptor openChosenFolder(const QString& path, FileError& error);

// Where name in folder leads: the folder and name of the file itself, past the
// trusted links on the way. The folder is not open when an untrusted link (or
// a loop of links) is on the way.
struct Place {
    Descriptor folder;
    QByteArray name;
};
Place followTrustedLinks(int folder, const QByteArray& name);

} // namespace TrustedNames

// A file opened for reading without blocking: a pipe or a device planted at
// its name is refused unread, so it can neither block nor flood the program.
struct FileRead {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Missing;
    FileError error;     // why it was refused
    QByteArray content;  // when read
    struct stat seen {}; // of the file itself, taken before reading
};

// Reads name in folder, following trusted links only; anything but a regular
// file of at most maxSize bytes is refused. When unchanged says the file is
// still what the caller knows, its content is not read.
FileRead readFileAt(int folder, const QString& name, qint64 maxSize,
                    const std::function<bool(const struct stat&)>& unchanged = {});
// The names in folder, sorted, without the hidden ones.
QStringList namesIn(int folder);
// A file the user chose outside the working folder (an import list), by the
// same rules, its path too.
FileRead readChosenFile(const QString& path, qint64 maxSize);
