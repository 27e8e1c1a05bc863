#include "model/GitSetup.h"

#include "model/BatchSave.h"
#include "model/TrustedNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// What it says it did; what it writes to files and to git's configuration is never translated.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GitSetup)
};

const QString kHookCall = QStringLiteral("git-hook");
const QStringList kHooks{QStringLiteral("post-merge"), QStringLiteral("post-checkout"), QStringLiteral("post-commit"),
                         QStringLiteral("post-rewrite")};
// Only the working folder's own zev.conf: not the copies in .zev-previous.
const QStringList kAttributes{QStringLiteral("/zev.conf diff=zev merge=zev")};
// What a save makes beside zev.conf: the device files are generated from it.
const QStringList kIgnored{QStringLiteral("/.zev-previous/"), QStringLiteral("/.zev-lock"), QStringLiteral("/.zev-lock.new-*"),
                           QStringLiteral("/.*.zev-new-*"), QStringLiteral("/*.conf"), QStringLiteral("!/zev.conf")};

// Runs git in folder; its output, trimmed, when it succeeded.
bool git(const QString& folder, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("git"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return true;
}

QString quoted(const QString& program)
{
    return u'\'' + QString(program).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

// The lines of a text file, made to hold each of wanted after what it holds,
// in place of any earlier line ending in replaced (a hook's call of another
// zevctl); false when it could not be written.
bool holdLines(const QString& path, const QStringList& wanted, const QString& firstLine, QStringList& said,
               const QString& replaced = {})
{
    QFile existing(path);
    QString text = existing.open(QIODevice::ReadOnly) ? QString::fromUtf8(existing.readAll()) : QString();
    QStringList lines = text.split(u'\n');
    const qsizetype before = lines.size();
    if (!replaced.isEmpty())
        lines.removeIf([&](const QString& line) { return line.endsWith(replaced) && !wanted.contains(line); });
    if (lines.size() != before)
        text = lines.join(u'\n');
    QStringList missing;
    for (const QString& line : wanted) {
        if (!lines.contains(line))
            missing << line;
    }
    if (missing.isEmpty() && lines.size() == before)
        return true;
    if (text.isEmpty())
        text = firstLine;
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    text += missing.join(u'\n') + u'\n';
    const QFileInfo target(path);
    const Descriptor folder = TrustedNames::openFolder(target.absolutePath());
    BatchSave file(folder.get(), target.absolutePath(), BatchSave::PreviousVersions::NotKept);
    if (!folder.isOpen() || file.save(target.fileName(), text.toUtf8()) != 0)
        return false;
    said << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                         missing.isEmpty() ? Text::tr("an earlier zevctl's line replaced")
                                                           : missing.join(QStringLiteral(", ")));
    return true;
}

bool setConfig(const QString& folder, const QString& key, const QString& value, QStringList& said)
{
    QString now;
    if (git(folder, {QStringLiteral("config"), QStringLiteral("--get"), key}, &now) && now == value)
        return true;
    if (!git(folder, {QStringLiteral("config"), key, value}))
        return false;
    said << QStringLiteral("git config %1 %2").arg(key, value);
    return true;
}

// Where folder is in its work tree, as git-setup lists it ("." for the top); empty outside git.
QString placeInTree(const QString& folder)
{
    QString prefix;
    if (!git(folder, {QStringLiteral("rev-parse"), QStringLiteral("--show-prefix")}, &prefix))
        return {};
    return prefix.isEmpty() ? QStringLiteral(".") : prefix.chopped(1);
}

QString hooksFolder(const QString& folder)
{
    QString hooks;
    if (!git(folder, {QStringLiteral("rev-parse"), QStringLiteral("--git-path"), QStringLiteral("hooks")}, &hooks))
        return {};
    return QDir(folder).absoluteFilePath(hooks);
}

bool hasHooks(const QString& folder)
{
    const QString hooks = hooksFolder(folder);
    for (const QString& hook : kHooks) {
        QFile file(QDir(hooks).filePath(hook));
        if (!file.open(QIODevice::ReadOnly) || !QString::fromUtf8(file.readAll()).contains(kHookCall))
            return false;
    }
    return true;
}

} // namespace

namespace GitSetup {

Outcome setUp(const QString& folder, const QString& zevctl)
{
    Outcome outcome;
    const QString folderInTree = placeInTree(folder);
    if (folderInTree.isEmpty()) {
        outcome.lines << Text::tr("%1: not in a git work tree").arg(QDir::toNativeSeparators(folder));
        return outcome;
    }
    QStringList& said = outcome.lines;
    bool done = holdLines(QDir(folder).filePath(QStringLiteral(".gitattributes")), kAttributes, QString(), said) &&
                holdLines(QDir(folder).filePath(QStringLiteral(".gitignore")), kIgnored, QString(), said);
    done = done && setConfig(folder, QStringLiteral("merge.zev.name"), QStringLiteral("ZEV configuration merge"), said) &&
           setConfig(folder, QStringLiteral("merge.zev.driver"),
                     quoted(zevctl) + QStringLiteral(" merge --marker-size=%L %O %A %B"), said) &&
           // Git's own merges of several common ancestors take one side, so no base ever holds markers.
           setConfig(folder, QStringLiteral("merge.zev.recursive"), QStringLiteral("binary"), said) &&
           setConfig(folder, QStringLiteral("diff.zev.textconv"), quoted(zevctl) + QStringLiteral(" show"), said);
    if (done && !folders(folder).contains(folderInTree)) {
        done = git(folder, {QStringLiteral("config"), QStringLiteral("--add"), QStringLiteral("zev.folder"), folderInTree});
        said << QStringLiteral("git config --add zev.folder %1").arg(folderInTree);
    }
    const QString hooks = hooksFolder(folder);
    for (const QString& hook : kHooks) {
        const QString path = QDir(hooks).filePath(hook);
        done = done && QDir().mkpath(hooks) &&
               holdLines(path, {quoted(zevctl) + u' ' + kHookCall},
                         QStringLiteral("#!/bin/sh\n# Writes the device files of each ZEV working folder whose zev.conf changed.\n"),
                         said, QStringLiteral("' ") + kHookCall) &&
               QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    }
    outcome.done = done;
    if (!done)
        said << Text::tr("git-setup stopped: a file or setting could not be written");
    else if (said.isEmpty())
        said << Text::tr("Already set up: nothing changed");
    return outcome;
}

QStringList folders(const QString& folder)
{
    QString listed;
    git(folder, {QStringLiteral("config"), QStringLiteral("--get-all"), QStringLiteral("zev.folder")}, &listed);
    return listed.split(u'\n', Qt::SkipEmptyParts);
}

QString missing(const QString& folder)
{
    // Git is asked only where a repository is: loading must not start a program for nothing.
    QDir up(folder);
    bool inRepository = false;
    do {
        inRepository = QFileInfo::exists(up.filePath(QStringLiteral(".git")));
    } while (!inRepository && up.cdUp());
    if (!inRepository)
        return {};
    const QString folderInTree = placeInTree(folder);
    if (folderInTree.isEmpty())
        return {};
    QString driver;
    if (git(folder, {QStringLiteral("config"), QStringLiteral("--get"), QStringLiteral("merge.zev.driver")}, &driver) &&
        folders(folder).contains(folderInTree) && hasHooks(folder))
        return {};
    //: %1 is a folder; “zevctl git-setup %1” is a command and stays as it is
    return Text::tr("Run “zevctl git-setup %1”: zev.conf is in git, but this clone lacks the merge driver and "
                    "hooks that merge it by record and keep the device files following it")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace GitSetup
