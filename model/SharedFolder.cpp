#include "model/SharedFolder.h"

#include "model/TrustedNames.h"

#include <QCoreApplication>
#include <QList>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SharedFolder)
};

bool belongsTo(gid_t group)
{
    if (::geteuid() == 0 || ::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    QList<gid_t> groups(qMax(count, 0));
    if (count <= 0 || ::getgroups(count, groups.data()) != count)
        return false;
    return groups.contains(group);
}

QString groupName(gid_t group)
{
    const struct group* found = ::getgrgid(group);
    return found ? QString::fromLocal8Bit(found->gr_name) : QString::number(group);
}

QString userName(uid_t user)
{
    const struct passwd* found = ::getpwuid(user);
    return found ? QString::fromLocal8Bit(found->pw_name) : QString::number(user);
}

} // namespace

namespace SharedFolder {

gid_t groupFor(const struct stat& folder)
{
    return belongsTo(folder.st_gid) ? folder.st_gid : ::getegid();
}

void giveToFolder(int fd, const struct stat& folder)
{
    if (::geteuid() == 0)
        (void)::fchown(fd, folder.st_uid, folder.st_gid);
    else
        (void)::fchown(fd, uid_t(-1), groupFor(folder));
}

QString advice(int folder, const QString& name)
{
    struct stat holder;
    struct stat file;
    if (::fstat(folder, &holder) != 0 || (holder.st_mode & S_IWGRP) == 0 ||
        ::fstatat(folder, TrustedNames::nativeName(name).constData(), &file, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(file.st_mode) || (file.st_gid == holder.st_gid && (file.st_mode & S_IWGRP) != 0))
        return {};
    const QString group = groupName(holder.st_gid);
    //: %1 is a file name, %2 a group, %3 a user; the command between “ ” stays as it is
    return Text::tr("%1 cannot be written by the folder's group “%2”: its owner “%3” can run "
                    "“chgrp %2 %1 && chmod g+rw %1” in the folder")
        .arg(name, group, userName(file.st_uid));
}

} // namespace SharedFolder
