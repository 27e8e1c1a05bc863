// The working folder as a team shares it: how a save replaces files, whose
// they are afterwards, and every trick another user of the folder can play:
// links, pipes, planted files, a folder swapped, a held handle, the lock.
#include "model/BatchSave.h"
#include "model/SaveLock.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "model/RecordCopies.h"
#include "model/Workspace.h"
#include "support/SampleRecords.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr uid_t kOwner = 1;   // daemon: the folder's owner in the team rows
constexpr gid_t kTeam = 100; // users: the team's group

bool writeOld(const QString& path, const QByteArray& tail = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("old\n" + tail) == 4 + tail.size();
}

// Makes what another user could have planted, step by step: "kind NAME [ARG]"
// with ";" between steps, "@" for the folder outside and "#" for our process id.
//   file: holds "old\n"   long: "old\n" and 64 KiB of "x"   dir   fifo   link: to ARG   hard: second name of ARG
//   nobody: given to another user   team: given to the folder's owner and the team
//   private: given to the folder's owner and their own group
//   mode: permissions ARG (octal)   big: 257 MiB   hold: opened for writing now, written "evil" after the operation
//   swap: when the save reaches step ARG (0 started, 1 staged, 2 sync, 3 placed),
//         NAME is moved to "moved" and a link to the folder outside takes its place
//   edit: when the save reaches step ARG, NAME is changed by another program
//   peek: when the save reaches step ARG (4: a previous version leased), NAME is opened for reading
void plant(const QString& folder, const QString& outside, const QString& steps, QList<int>& held)
{
    for (const QString& step : steps.split(u';', Qt::SkipEmptyParts)) {
        const QStringList w = QString(step).replace(u'@', outside).replace(u'#', QString::number(::getpid())).split(u' ');
        const QString path = w[1].startsWith(u'/') ? w[1] : folder + u'/' + w[1];
        if (w[0] == "swap" || w[0] == "edit" || w[0] == "peek") {
            setSaveStepHook([=, done = false](SaveStep reached) mutable {
                if (int(reached) == w[2].toInt() && !done)
                    done = w[0] == "edit"   ? ::truncate(QFile::encodeName(path), 0) == 0
                           : w[0] == "peek" ? Descriptor(::open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK)).isOpen() || true
                                            : QFile::rename(path, folder + "/moved") && QFile::link(outside, path);
                return true;
            });
            continue;
        }
        const QByteArray name = QFile::encodeName(path);
        const QByteArray arg = QFile::encodeName(w.value(2));
        const QString& kind = w[0];
        if (kind == "hold")
            held << ::open(name, O_WRONLY);
        const bool done = kind == "file"     ? writeOld(path)
                          : kind == "long"   ? writeOld(path, QByteArray(64 * 1024, 'x'))
                          : kind == "dir"    ? ::mkdir(name, 0755) == 0
                          : kind == "fifo"   ? ::mkfifo(name, 0666) == 0
                          : kind == "link"   ? ::symlink(arg, name) == 0
                          : kind == "hard"   ? ::link(arg, name) == 0
                          : kind == "nobody" ? ::lchown(name, kNobody, kNobody) == 0
                          : kind == "team"   ? ::lchown(name, kOwner, kTeam) == 0
                          : kind == "private" ? ::lchown(name, kOwner, kOwner) == 0
                          : kind == "mode"   ? ::chmod(name, w[2].toUInt(nullptr, 8)) == 0
                          : kind == "hold"   ? held.last() >= 0
                                             : writeOld(path) && ::truncate(name, 257LL << 20) == 0;
        QVERIFY2(done, qPrintable(step));
    }
}

// Both folders in one line, sorted: "name=content(mode)" for a file (content
// "new" for anything a save wrote), "name/(mode)" for a folder, "name->target"
// for a link, "name|" for a pipe, each with "~" when nobody's and "%" when the
// team owner's, "+" when of the team's group, and "*" when it is the file that
// was the previous version before (written over and put in place); "@" stands
// for the folder outside and "#" for our process id.
QString snapshot(const QString& folder, const QString& outside, ino_t previousVersion)
{
    QStringList entries;
    for (const QString& root : {folder, outside}) {
        QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat seen {};
            ::lstat(QFile::encodeName(path).constData(), &seen);
            QString entry = (root == outside ? "@" : "") + path.mid(root.size() + (root == outside ? 0 : 1));
            entry.replace(QString::number(::getpid()), "#");
            char target[4096] = {};
            const QString mode = "(" + QString::number(seen.st_mode & 07777, 8) + ")";
            const QByteArray content = S_ISREG(seen.st_mode) ? readTestFile(path).trimmed() : QByteArray();
            if (S_ISREG(seen.st_mode))
                entry += "=" + (content.startsWith('#') ? QByteArray(content.endsWith('x') ? "new+tail" : "new") : content) + mode;
            else if (S_ISDIR(seen.st_mode))
                entry += "/" + mode;
            else if (S_ISLNK(seen.st_mode) && ::readlink(QFile::encodeName(path), target, sizeof target - 1) > 0)
                entry += "->" + QString::fromLocal8Bit(target).replace(outside, "@");
            else if (S_ISFIFO(seen.st_mode))
                entry += "|";
            else
                continue;
            entries << entry + (seen.st_uid == kNobody ? "~" : seen.st_uid == kOwner ? "%" : "") +
                           (seen.st_gid == kTeam ? "+" : "") + (seen.st_ino == previousVersion ? "*" : "");
        }
    }
    entries.sort();
    return entries.join(u' ');
}

// Becomes who: "nobody", a "colleague" of the team, or the team's folder
// "owner", both members of the team beside their own group.
bool becomeUser(const QString& who)
{
    const uid_t user = who == "owner" ? kOwner : kNobody;
    const gid_t own = who == "owner" ? kOwner : kNobody;
    const gid_t groups[] = {own, kTeam};
    return ::setgroups(who == "nobody" ? 1 : 2, groups) == 0 && ::setgid(own) == 0 && ::setuid(user) == 0;
}

// Runs work as who in a child process, where file permissions really apply;
// its answer comes back through a pipe. As root when who is empty.
QString runAs(const QString& who, const std::function<QString()>& work)
{
    if (who.isEmpty())
        return work();
    int answer[2];
    if (::pipe(answer) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        const QByteArray said = becomeUser(who) ? work().toUtf8() : "not dropped";
        ::_exit(::write(answer[1], said.constData(), size_t(said.size())) == said.size() ? 0 : 1);
    }
    ::close(answer[1]);
    char said[256] = {};
    const ssize_t got = ::read(answer[0], said, sizeof said - 1);
    ::close(answer[0]);
    ::waitpid(child, nullptr, 0);
    return got > 0 ? QString::fromUtf8(said, got) : "nothing";
}

QString saveStatus(SaveOutcome::Status status)
{
    const char* names[] = {"saved", "busy", "cancelled", "lock refused", "config refused", "devices failed"};
    return names[int(status)];
}

// A workspace over folder, as the window opens it, with one server more (and
// device D1 when asked): zev.conf is what it holds, D1.conf its file.
struct OpenWorkspace {
    Workspace workspace;
    // Each save gives D1 a server of its own, so that its file changes and is written.
    explicit OpenWorkspace(const QString& folder, bool device)
    {
        workspace.load(folder + "/topology.png");
        addServer();
        if (!device)
            return;
        workspace.addThinClient("Desk", "D1");
        RecordCopies<ThinClient> devices(workspace.thinClients());
        devices.list.last()->server_ids = {workspace.servers().last()->server_id};
        workspace.assignServers(devices.list);
    }
    void addServer()
    {
        static int made = 0;
        Server server;
        server.server_id = server.display_name = QStringLiteral("%1-%2").arg(::getpid()).arg(++made);
        workspace.addServer(server);
    }
    QString save()
    {
        const SaveOutcome outcome = workspace.save();
        const QString advice = outcome.failedDevices.isEmpty() ? outcome.advice : outcome.failedDevices.first().advice;
        return saveStatus(outcome.status) + (workspace.isModified() ? " (modified)" : "") +
               (advice.isEmpty() ? "" : ": " + advice);
    }
};

// zev.conf changed by another program after it was read: the same size, and
// its modification time put back.
void editBehindTheStamp(const QString& path)
{
    struct stat before;
    ::stat(QFile::encodeName(path), &before);
    const int fd = ::open(QFile::encodeName(path), O_WRONLY);
    const bool edited = fd >= 0 && ::pwrite(fd, "X", 1, 0) == 1;
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QVERIFY(edited && ::futimens(fd, times) == 0 && ::close(fd) == 0);
}

// One operation on the folder: "save [D1] [twice|moved|edited]", "batch [twice]"
// (a device file named zev.conf), "read [N]", "backup", "load" (the picture) or "lock".
QString run(const QString& op, const QString& dir, const QString& outside)
{
    if (op.startsWith("read")) { // "read N": at most N bytes
        const Descriptor folder = TrustedNames::openFolder(dir);
        const FileRead read = readFileAt(folder.get(), "zev.conf", op == "read" ? 256LL << 20 : op.mid(5).toLongLong());
        return read.status == FileRead::Status::Read      ? "read " + read.content.trimmed()
               : read.status == FileRead::Status::Missing ? "missing"
                                                          : "refused";
    }
    if (op.startsWith("chosen")) { // the import list the user chose: "list", or the name given
        const FileRead read = readChosenFile(dir + "/" + (op == "chosen" ? "list" : op.mid(7)), 256);
        return read.status == FileRead::Status::Read ? "read " + read.content.trimmed() : "refused";
    }
    if (op.startsWith("batch")) { // "twice": one name staged twice, as two serial numbers differing in case do
        const Descriptor folder = TrustedNames::openFolder(dir);
        BatchSave batch(folder.get(), dir);
        const bool staged = batch.stage("zev.conf", "new\n") == 0 && (op != "batch twice" || batch.stage("zev.conf", "new\n") == 0);
        return staged && batch.commit() ? "saved" : "refused";
    }
    if (op == "lock race") { // the owner's and a colleague's first saves starting together, 20 times: none refused
        int refused = 0;
        for (int round = 0; round < 20; ++round) {
            QFile::remove(dir + "/.zev-lock");
            const qint64 start = QDateTime::currentMSecsSinceEpoch() + 20;
            QList<pid_t> children;
            for (int i = 0; i < 4; ++i) {
                const pid_t child = ::fork();
                if (child == 0) {
                    const Descriptor folder = TrustedNames::openFolder(dir);
                    if (!becomeUser(i % 2 ? "owner" : "colleague"))
                        ::_exit(1);
                    while (QDateTime::currentMSecsSinceEpoch() < start) {
                    }
                    ::_exit(SaveLock(folder.get(), {}, 2000).status() == SaveLock::Status::Refused ? 1 : 0);
                }
                children << child;
            }
            for (const pid_t child : children) {
                int status = 0;
                ::waitpid(child, &status, 0);
                refused += WIFEXITED(status) ? WEXITSTATUS(status) : 1;
            }
        }
        return "refused " + QString::number(refused);
    }
    if (op == "lock") {
        const Descriptor folder = TrustedNames::openFolder(dir);
        const char* names[] = {"held", "busy", "cancelled", "refused"};
        return names[int(SaveLock(folder.get(), {}, 300).status())];
    }
    OpenWorkspace open(dir, op.contains("D1"));
    if (op == "backup") {
        const char* names[] = {"written", "exists", "failed"};
        return names[int(open.workspace.backup(dir + "/copy").status)];
    }
    if (op == "load")
        return open.workspace.load(dir + "/topology.png").picture.status == FileRead::Status::Read ? "picture read"
                                                                                                 : "picture refused";
    if (op.endsWith("edited"))
        editBehindTheStamp(dir + "/zev.conf");
    if (!op.endsWith("moved") && !op.endsWith("twice"))
        return open.save();
    if (op.endsWith("twice")) {
        const QString first = open.save();
        open.addServer();
        return first + ", " + open.save();
    }
    // The folder's path now leads elsewhere: renamed away, a link in its place.
    const bool swapped = QFile::rename(dir, dir + "-moved") && QFile::link(outside, dir);
    const QString saved = open.save();
    return swapped && QFile::remove(dir) && QFile::rename(dir + "-moved", dir) ? saved : "not swapped";
}

} // namespace

class TestSafeSave : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ::umask(022); }

    // A save swaps the new content with the previous version kept in
    // ".zev-previous", a folder that belongs to the working folder's owner. What
    // another user may plant at any name a save or a read uses, before it or while
    // it runs, and what the operation must then do: zev.conf saved whole, through
    // no link but this user's or root's, with nothing outside written, moved or
    // removed; a file keeping its bits, group and (for root) owner; a device
    // file's link replaced; a read only of a regular file of sane size. Ops run
    // as root unless "as" someone, in turn where ";" separates them.
    void attacks_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("after"); // both folders afterwards; empty: not looked at
        const QString old = "file zev.conf;mode zev.conf 640;";
        const QString folder = old + "dir .zev-previous;";
        const QString lock = ".zev-lock=(600) ";
        const QString kept = lock + ".zev-previous/(755) .zev-previous/zev.conf=old(640) @/x=old(644) zev.conf=new(640)";
        const QString previous = folder + "file .zev-previous/zev.conf;mode .zev-previous/zev.conf 640;";
        QTest::newRow("previous version reused") << previous << "save" << "saved" << kept + "*";
        QTest::newRow("previous version longer than the file") << folder + "long .zev-previous/zev.conf;mode .zev-previous/zev.conf 640"
                                                               << "save" << "saved" << kept + "*";
        QTest::newRow("link outside as previous version") << folder + "link .zev-previous/zev.conf @/x" << "save" << "saved" << kept;
        QTest::newRow("second name of a file outside") << folder + "hard .zev-previous/zev.conf @/x" << "save" << "saved"
            << QString(kept).replace("@/x=old(644)", "@/x=old(644)*");
        QTest::newRow("pipe as previous version") << folder + "fifo .zev-previous/zev.conf" << "save" << "saved" << kept;
        QTest::newRow("another user's previous version")
            << folder + "file .zev-previous/zev.conf;nobody .zev-previous/zev.conf" << "save" << "saved" << kept;
        // A previous version is not reused when it granted more than the new
        // file will, or someone holds it open: their handle must not reach the new file.
        QTest::newRow("a reader of the previous version breaks the lease") << previous + "peek .zev-previous/zev.conf 4"
                                                                          << "save" << "saved" << kept;
        QTest::newRow("previous version wider than the file") << previous + "mode .zev-previous/zev.conf 660" << "save"
                                                              << "saved" << kept;
        QTest::newRow("handle held on the file before a chmod, two saves")
            << "file zev.conf;mode zev.conf 664;hold zev.conf;mode zev.conf 644" << "save twice" << "saved, saved"
            << lock + ".zev-previous/(700) .zev-previous/zev.conf=new(644) @/x=old(644) zev.conf=new(644)";
        QTest::newRow("another user's previous versions folder") << folder + "nobody .zev-previous" << "save" << "saved"
            << lock + ".zev-previous/(755)~ @/x=old(644) zev.conf=new(640)";
        QTest::newRow("previous versions folder links outside") << old + "link .zev-previous @" << "save" << "saved"
            << lock + ".zev-previous->@ @/x=old(644) zev.conf=new(640)";
        QTest::newRow("one name staged twice over its previous version") << previous << "batch twice" << "saved"
            << ".zev-previous/(755) .zev-previous/zev.conf=old(640) @/x=old(644) zev.conf=new(640)*";
        QTest::newRow("one name staged twice beside the target") << folder + "nobody .zev-previous" << "batch twice" << "saved"
            << ".zev-previous/(755)~ @/x=old(644) zev.conf=new(640)";
        QTest::newRow("pipe beside the target") << folder + "nobody .zev-previous;fifo .zev.conf.zev-new-#" << "save" << "saved"
            << lock + ".zev-previous/(755)~ .zev.conf.zev-new-#| @/x=old(644) zev.conf=new(640)";
        QTest::newRow("pipe as zev.conf") << "fifo zev.conf" << "save" << "saved" << lock + ".zev-previous/(700) @/x=old(644) zev.conf=new(644)";
        QTest::newRow("set-id and world-writable zev.conf") << "file zev.conf;mode zev.conf 6777;nobody zev.conf" << "save" << "saved"
            << lock + ".zev-previous/(700) .zev-previous/zev.conf=old(777)~ @/x=old(644) zev.conf=new(775)~";
        QTest::newRow("own link followed") << "link zev.conf @/x" << "save" << "saved"
            << lock + "@/.zev-previous/(700) @/.zev-previous/x=old(644) @/x=new(644) zev.conf->@/x";
        QTest::newRow("own link through a folder link") << "link in @;link zev.conf in/x" << "save" << "saved"
            << lock + "@/.zev-previous/(700) @/.zev-previous/x=old(644) @/x=new(644) in->@ zev.conf->in/x";
        // A save is one transaction: zev.conf refused, no device file is written either.
        QTest::newRow("another user's link refused") << "link zev.conf @/x;nobody zev.conf" << "save D1" << "config refused (modified)"
            << lock + "@/x=old(644) zev.conf->@/x~";
        QTest::newRow("through another user's folder link") << "link in @;nobody in;link zev.conf in/x" << "save" << "config refused (modified)"
            << lock + "@/x=old(644) in->@~ zev.conf->in/x";
        // A link keeps its owner when a colleague renames it: it is followed only
        // where nobody else could have put it (a folder of this user's or root's
        // that others may not write, or that is sticky).
        QTest::newRow("root's link where a colleague could have moved it") << "mode . 2775;team .;link zev.conf @/x" << "save"
            << "config refused (modified)" << ".zev-lock=(660)%+ @/x=old(644) zev.conf->@/x+";
        QTest::newRow("root's link in a sticky folder of another user") << "mode . 1777;team .;link zev.conf @/x" << "backup"
            << "failed" << "";
        QTest::newRow("root's link in root's sticky folder") << "mode . 1777;link zev.conf @/x" << "backup" << "written"
            << "@/x=old(644) copy=old(644) zev.conf->@/x";
        QTest::newRow("import list: another user's link") << "link list @/x;nobody list" << "chosen" << "refused" << "";
        QTest::newRow("import list: own link") << "link list @/x" << "chosen" << "read old" << "";
        QTest::newRow("import list: another user's folder link on the way") << "link in @;nobody in" << "chosen in/x"
                                                                          << "refused" << "";
        QTest::newRow("import list: own folder link on the way") << "link in @" << "chosen in/x" << "read old" << "";
        QTest::newRow("read-only zev.conf, saved by root") << "file zev.conf;mode zev.conf 444" << "save D1"
            << "config refused (modified)" << lock + ".zev-previous/(700) @/x=old(644) zev.conf=old(444)";
        QTest::newRow("read-only zev.conf, saved by its owner") << "file zev.conf;mode zev.conf 444;nobody zev.conf;nobody ."
            << "save as nobody" << "config refused (modified)" << "";
        QTest::newRow("read-only device file, saved by root") << "file zev.conf;mode zev.conf 444" << "batch" << "refused" << "";
        QTest::newRow("folder where a device file belongs") << "dir D1.conf" << "save D1" << "devices failed (modified)"
            << lock + ".zev-previous/(700) @/x=old(644) D1.conf/(755) zev.conf=new(644)";
        QTest::newRow("device file: link replaced") << "link zev.conf @/x;nobody zev.conf" << "batch" << "saved"
            << ".zev-previous/(700) @/x=old(644) zev.conf=new(644)";
        for (const char* swapAt : {"0", "1", "2", "3"})
            QTest::addRow("previous versions folder swapped for a link at step %s", swapAt)
                << folder + "swap .zev-previous " + swapAt << "batch" << "saved"
                << ".zev-previous->@ @/x=old(644) moved/(755) moved/zev.conf=old(640) zev.conf=new(640)";
        QTest::newRow("working folder swapped for a link after loading") << old << "save moved" << "saved"
            << lock + ".zev-previous/(700) .zev-previous/zev.conf=old(640) @/x=old(644) zev.conf=new(640)";
        // Another program's change is seen whatever it kept: the size, the
        // modification time, or the moment (just after our own rename).
        QTest::newRow("zev.conf edited, its time put back") << old << "save edited" << "cancelled (modified)"
            << lock + "@/x=old(644) zev.conf=Xld(640)";
        QTest::newRow("zev.conf edited just after our save") << old + "edit zev.conf 3" << "save twice"
            << "saved, cancelled (modified)" << "";
        // A team: the folder daemon's, group users, setgid. Root and a colleague
        // with umask 022 save; everyone who could save before still can.
        const QString team = "mode . 2775;team .;file zev.conf;mode zev.conf 664;team zev.conf;";
        QTest::newRow("root saves in the team's folder") << team << "save D1;save D1 as owner" << "saved;saved"
            << ".zev-lock=(660)%+ .zev-previous/(2755)%+ .zev-previous/D1.conf=new(664)%+ .zev-previous/zev.conf=new(664)%+ "
               "@/x=old(644) D1.conf=new(664)%+ zev.conf=new(664)%+";
        QTest::newRow("root saves after the owner, in the owner's previous versions") << team << "save D1 as owner;save D1"
            << "saved;saved"
            << ".zev-lock=(660)%+ .zev-previous/(2755)%+ .zev-previous/D1.conf=new(664)%+ .zev-previous/zev.conf=new(664)%+ "
               "@/x=old(644) D1.conf=new(664)%+ zev.conf=new(664)%+";
        QTest::newRow("a colleague saves with umask 022") << team << "save D1 as colleague;save D1 as owner" << "saved;saved"
            << ".zev-lock=(660)~+ .zev-previous/(2755)~+ .zev-previous/zev.conf=old(664)%+ @/x=old(644) D1.conf=new(664)%+ "
               "zev.conf=new(664)%+";
        // Without set-group-id, the files a save creates get the team's group all the same.
        const QString teamWithoutSetgid = "mode . 775;team .;file zev.conf;mode zev.conf 664;team zev.conf;";
        QTest::newRow("colleagues save in a team folder without setgid") << teamWithoutSetgid
            << "save D1 as colleague;save D1 as owner;save D1 as colleague" << "saved;saved;saved"
            << ".zev-lock=(660)~+ .zev-previous/(755)~+ .zev-previous/D1.conf=new(664)%+ .zev-previous/zev.conf=new(664)%+ "
               "@/x=old(644) D1.conf=new(664)~+ zev.conf=new(664)~+";
        // What an earlier version left with a private group is named, with what to do; a
        // lock file another save may hold is never removed.
        QTest::newRow("a device file with a private group") << teamWithoutSetgid + "file D1.conf;mode D1.conf 644;private D1.conf"
            << "save D1 as colleague" << "devices failed (modified): D1.conf cannot be written by the folder's group “users”: "
                                         "its owner “daemon” can run “chgrp users D1.conf && chmod g+rw D1.conf” in the folder"
            << "";
        QTest::newRow("a lock file with a private group") << teamWithoutSetgid + "file .zev-lock;mode .zev-lock 600;private .zev-lock"
            << "save D1 as colleague" << "lock refused (modified): .zev-lock cannot be written by the folder's group “users”: "
                                         "its owner “daemon” can run “chgrp users .zev-lock && chmod g+rw .zev-lock” in the "
                                         "folder, or remove it while nobody is saving"
            << ".zev-lock=old(600)% @/x=old(644) zev.conf=old(664)%+";
        // The lock is held only by someone who may write the folder, and nothing planted at its name blocks it.
        QTest::newRow("lock: someone who may only read the folder") << "mode . 755" << "lock as nobody" << "refused" << "";
        QTest::newRow("lock: first saves starting together") << "mode . 2775;team ." << "lock race" << "refused 0" << "";
        QTest::newRow("lock: pipe planted") << "fifo .zev-lock" << "lock" << "held" << ".zev-lock=(600) @/x=old(644)";
        QTest::newRow("lock: link planted") << "link .zev-lock @/x" << "lock" << "held" << ".zev-lock=(600) @/x=old(644)";
        QTest::newRow("backup") << "file zev.conf;mode zev.conf 640" << "backup" << "written"
                                << "@/x=old(644) copy=old(640) zev.conf=old(640)";
        QTest::newRow("backup: link at the chosen name") << "file zev.conf;link copy @/x" << "backup" << "exists"
            << "@/x=old(644) copy->@/x zev.conf=old(644)";
        QTest::newRow("backup: pipe as zev.conf") << "fifo zev.conf" << "backup" << "failed" << "@/x=old(644) zev.conf|";
        QTest::newRow("backup: zev.conf links to an endless device") << "link zev.conf /dev/zero" << "backup" << "failed" << "";
        QTest::newRow("backup: another user's link") << "link zev.conf @/x;nobody zev.conf" << "backup" << "failed" << "";
        QTest::newRow("picture: a pipe") << "fifo topology.png" << "load" << "picture refused" << "";
        QTest::newRow("read: plain file") << "file zev.conf" << "read" << "read old" << "";
        QTest::newRow("read: nothing") << "" << "read" << "missing" << "";
        QTest::newRow("read: too large") << "big zev.conf" << "read" << "refused" << "";
        QTest::newRow("read: folder") << "dir zev.conf" << "read" << "refused" << "";
        // A file that says it is small but grows past the limit while read (as /proc's files do) is refused too.
        QTest::newRow("read: grows past the limit") << "link zev.conf /proc/self/status" << "read 16" << "refused" << "";
    }

    void attacks()
    {
        QFETCH(QString, steps);
        QFETCH(QString, op);
        QFETCH(QString, outcome);
        QFETCH(QString, after);
        if ((steps + op).contains(QRegularExpression("nobody|team|as ")) && ::geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        ::alarm(20); // an operation that blocks on a pipe fails here instead of hanging the suite
        QTemporaryDir dir;
        QTemporaryDir outside;
        QList<int> held;
        plant(dir.path(), outside.path(), "file @/x;" + steps, held);
        // Pinned, so that its inode number cannot go to another file meanwhile.
        const Descriptor pinned(::open(QFile::encodeName(dir.filePath(".zev-previous/zev.conf")).constData(),
                                       O_PATH | O_NOFOLLOW));
        struct stat previousVersion {};
        ::fstat(pinned.get(), &previousVersion);
        QStringList seen;
        for (const QString& each : op.split(u';'))
            seen << runAs(each.section(" as ", 1), [&] { return run(each.section(" as ", 0, 0), dir.path(), outside.path()); });
        for (int fd : held)
            QVERIFY(::pwrite(fd, "evil\n", 5, 0) == 5 && ::ftruncate(fd, 5) == 0 && ::close(fd) == 0);
        ::alarm(0);
        setSaveStepHook({});
        QCOMPARE(seen.join(u';'), outcome);
        if (!after.isEmpty())
            QCOMPARE(snapshot(dir.path(), outside.path(), previousVersion.st_ino), after);
    }

    // One save at a time per folder: a second one waits for the lock, then
    // gives up, or stops when its user no longer wants to wait.
    void oneSaveAtATime()
    {
        QTemporaryDir dir;
        const Descriptor folder = TrustedNames::openFolder(dir.path());
        QVERIFY(SaveLock(folder.get()).isHeld());
        const Descriptor other(::openat(folder.get(), ".zev-lock", O_WRONLY));
        struct flock held {};
        held.l_type = F_WRLCK;
        QVERIFY(::fcntl(other.get(), F_OFD_SETLK, &held) == 0);
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(SaveLock(folder.get(), {}, 300).status(), SaveLock::Status::Busy);
        QVERIFY(waited.elapsed() >= 300);
        int asked = 0;
        QCOMPARE(SaveLock(folder.get(), [&asked](qint64) { return ++asked < 3; }).status(), SaveLock::Status::Cancelled);
        QCOMPARE(asked, 3);
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
