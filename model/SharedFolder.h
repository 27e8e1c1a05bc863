#pragma once

#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

// A working folder a team shares: every member who may write the folder must
// be able to save, whichever member saved last, with or without the folder's
// set-group-id bit.
namespace SharedFolder {

// The group a file this user creates in the folder gets: the folder's when
// this user is root or belongs to it, otherwise this user's own.
gid_t groupFor(const struct stat& folder);

// Gives a file or folder this user has just made in folder the owners the
// team expects: root gives it to the folder's owner and group, anyone else
// gives it groupFor(folder).
void giveToFolder(int fd, const struct stat& folder);

// What the owner of name in folder can do so that the folder's group may
// write it again (a file an earlier save left with a private group); empty
// when the folder's group may write it, or the folder gives its group no write.
QString advice(int folder, const QString& name);

} // namespace SharedFolder
