// zevctl: the working folder from scripts, without the window. Each command
// is a thin face of the model the window uses: the same check, the same
// transaction of a save, the same import and merge.

#include "model/ProductInfo.h"
#include "model/BatchSave.h"
#include "model/ConfigCompare.h"
#include "model/ConfigFile.h"
#include "model/ConfigMerge.h"
#include "model/GitSetup.h"
#include "model/SaveReport.h"
#include "model/ThinClientImport.h"
#include "model/Translations.h"
#include "model/TrustedNames.h"
#include "model/Workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cerrno>

namespace {

// Messages and the words of the usage are translated; command names, options,
// placeholders (FOLDER, OURS) and what show prints are not.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(zevctl)
};

constexpr int kUsageError = 64; // as sysexits.h names it
constexpr int kTrouble = 2;     // a file that cannot be read or written

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int trouble(const QString& path, const FileError& error, const QString& advice = {})
{
    err() << QDir::toNativeSeparators(path) << ": " << error.text() << Qt::endl;
    if (!advice.isEmpty())
        err() << "    " << advice << Qt::endl;
    return kTrouble;
}

// A file named on the command line, read by the window's rules (a regular file, links only of trusted users).
bool readArgument(const QString& path, QByteArray& content)
{
    const FileRead read = readChosenFile(path, ConfigFile::kLargestConfig);
    if (read.status != FileRead::Status::Read) {
        trouble(path, read.status == FileRead::Status::Missing ? FileError(ENOENT) : read.error);
        return false;
    }
    content = read.content;
    return true;
}

// The working folder and its zev.conf, which must be there and readable.
bool openFolder(Workspace& workspace, const QString& folder)
{
    const LoadOutcome opened = workspace.open(folder);
    if (opened.conflictLine > 0)
        //: %1 is a line number; “git mergetool” and “zevctl merge --ours or --theirs” are commands
        trouble(QDir(folder).filePath(Workspace::kConfigFileName), kUnresolvedConflicts,
                Text::tr("line %1: settle them (an editor, git mergetool, or zevctl merge --ours or --theirs)")
                    .arg(opened.conflictLine));
    else if (opened.folderError.isError())
        trouble(folder, opened.folderError);
    else if (opened.config == FileRead::Status::Missing)
        //: “zevctl init FOLDER” is a command and stays as it is
        trouble(workspace.configPath(), ENOENT, Text::tr("zevctl init FOLDER makes a new working folder"));
    else if (opened.config != FileRead::Status::Read)
        trouble(workspace.configPath(), opened.configError);
    return opened.conflictLine == 0 && !opened.folderError.isError() && opened.config == FileRead::Status::Read;
}

// What a save did, in the words and exit status of the command line.
int reportSave(const SaveOutcome& saved)
{
    switch (saved.status) {
    case SaveOutcome::Status::Saved:
        out() << SaveReport::saved(saved) << Qt::endl;
        if (const QString displaced = SaveReport::displacedChange(saved); !displaced.isEmpty())
            err() << displaced << Qt::endl;
        return 0;
    case SaveOutcome::Status::Busy:
        err() << Text::tr("Another program is saving into the working folder; nothing was written.") << Qt::endl;
        return 1;
    case SaveOutcome::Status::Cancelled:
        err() << Text::tr("zev.conf was changed by another program meanwhile; nothing was written.") << Qt::endl;
        return 1;
    case SaveOutcome::Status::LockRefused:
    case SaveOutcome::Status::ConfigRefused:
        trouble(saved.stoppedAt, saved.error, saved.advice);
        err() << Text::tr("Nothing was written.") << Qt::endl;
        return kTrouble;
    case SaveOutcome::Status::DevicesFailed:
        for (const FileFailure& failure : saved.failedDevices)
            trouble(failure.path, failure.error, failure.advice);
        err() << Text::tr("Not all thinclient configuration files have been created.") << Qt::endl;
        return 1;
    }
    return 1;
}

// A save as the window makes one, nothing asked: a device file that cannot be
// written is reported and the next one tried; another program's change to
// zev.conf since it was read stops the save.
int save(Workspace& workspace)
{
    SaveQuestions questions;
    questions.changedConfig = [](ConfigChange) { return ChangedConfigAnswer::Cancel; };
    return reportSave(workspace.save(questions));
}

int check(const QStringList& arguments)
{
    Workspace workspace;
    if (!openFolder(workspace, arguments[0]))
        return kTrouble;
    QStringList problems = workspace.problems(QSize());
    for (const ClientConfigFile::FileBehind& file : workspace.devicesBehind())
        //: %1 is the name of a device file
        problems << (file.missing ? Text::tr("%1: missing") : Text::tr("%1: does not match zev.conf")).arg(file.name);
    if (const QString behind = SaveReport::devicesBehind(workspace.devicesBehind().size()); !behind.isEmpty())
        problems << behind;
    problems << workspace.sharingProblems();
    if (const QString git = GitSetup::missing(arguments[0]); !git.isEmpty())
        problems << git;
    for (const QString& problem : problems)
        out() << problem << u'\n';
    return problems.isEmpty() ? 0 : 1;
}

int write(const QStringList& arguments)
{
    Workspace workspace;
    if (!openFolder(workspace, arguments[0]))
        return kTrouble;
    return save(workspace);
}

int import(const QStringList& arguments)
{
    Workspace workspace;
    QByteArray list;
    if (!openFolder(workspace, arguments[0]) || !readArgument(arguments[1], list))
        return kTrouble;
    const ThinClientImport::Stats stats = workspace.importThinClients(list, [](const QString& line) {
        out() << Text::tr("Invalid serial number found, discarding following entry: %1").arg(line) << Qt::endl;
    });
    out() << ThinClientImport::statusText(stats) << Qt::endl;
    for (const QString& line : stats.skipped)
        //: SERIAL,,,Description is the form of a line of the list, and stays as it is
        err() << Text::tr("Skipped line (not SERIAL,,,Description): %1").arg(line) << Qt::endl;
    const int saved = save(workspace);
    return saved == 0 && !stats.skipped.isEmpty() ? 1 : saved;
}

int diff(const QStringList& arguments)
{
    QByteArray older;
    QByteArray newer;
    if (!readArgument(arguments[0], older) || !readArgument(arguments[1], newer))
        return kTrouble;
    for (const auto& [path, text] : {std::pair(arguments[0], &older), std::pair(arguments[1], &newer)}) {
        if (const qsizetype line = ConfigFile::conflictMarkerLine(*text); line > 0)
            //: %1 is a line number
            return trouble(path, kUnresolvedConflicts, Text::tr("line %1").arg(line));
    }
    const QStringList lines = ConfigCompare::differences(older, newer);
    for (const QString& line : lines)
        out() << line << u'\n';
    return lines.isEmpty() ? 0 : 1;
}

int show(const QStringList& arguments)
{
    QByteArray text;
    if (!readArgument(arguments[0], text))
        return kTrouble;
    // During a conflicted merge git shows the file through here: its markers must show.
    if (ConfigFile::conflictMarkerLine(text) > 0) {
        out() << QString::fromUtf8(text);
        return 0;
    }
    for (const QString& line : ConfigCompare::describe(text))
        out() << line << u'\n';
    return 0;
}

// "usage: " before the first of lines, the others lined up under it.
QString usageLines(const QStringList& lines)
{
    //: %1 is a command line with its placeholders, which stay as they are
    QString text = Text::tr("usage: %1").arg(lines.first());
    const QString indent(qMax(text.size() - lines.first().size(), qsizetype(0)), u' ');
    for (qsizetype i = 1; i < lines.size(); ++i)
        text += u'\n' + indent + lines[i];
    return text;
}

// What was wrong, then the short usage: the whole list is --help's.
int wrongCall(const QString& what, const QString& usageText)
{
    err() << "zevctl: " << what << u'\n' << usageText << Qt::endl;
    return kUsageError;
}

// The merge's result in place of the file at path, replaced whole.
int writeMerged(const QString& path, const QByteArray& text)
{
    const QFileInfo target(path);
    const Descriptor folder = TrustedNames::openFolder(target.absolutePath());
    if (!folder.isOpen())
        return trouble(target.absolutePath(), errno);
    BatchSave file(folder.get(), target.absolutePath(), BatchSave::PreviousVersions::NotKept);
    const int error = file.save(target.fileName(), text);
    return error == 0 ? 0 : trouble(path, error);
}

// The value of option "--name=" among arguments, or fallback.
QString optionValue(const QStringList& arguments, const QString& name, const QString& fallback)
{
    for (const QString& argument : arguments) {
        if (argument.startsWith(name))
            return argument.mid(name.size());
    }
    return fallback;
}

// As a merge driver: the result goes to OURS, replaced whole: every change
// without a conflict applied, and each conflict marked in its record (exit 1)
// or, with --ours or --theirs, settled that way.
int merge(const QStringList& arguments)
{
    const QStringList files = arguments.filter(QRegularExpression(QStringLiteral("^(?!--)")));
    bool sized = false;
    const int markerSize = optionValue(arguments, QStringLiteral("--marker-size="), QStringLiteral("7")).toInt(&sized);
    if (!sized || markerSize < 1 || markerSize > 100) {
        const QString line = QStringLiteral("zevctl merge [--ours | --theirs] [--marker-size=N] BASE OURS THEIRS");
        return wrongCall(Text::tr("--marker-size takes a number from 1 to 100"), usageLines({line}));
    }
    QByteArray base;
    QByteArray ours;
    QByteArray theirs;
    if (!readArgument(files[0], base) || !readArgument(files[1], ours) || !readArgument(files[2], theirs))
        return kTrouble;
    MergeResult merged = mergeConfigurations(base, ours, theirs);
    const bool settleForTheirs = arguments.contains(QStringLiteral("--theirs"));
    const bool settled = settleForTheirs || arguments.contains(QStringLiteral("--ours"));
    for (MergeConflict& conflict : merged.conflicts) {
        conflict.takeTheirs = settleForTheirs;
        //: %1 names a server or a thinclient, %2 the keys of zev.conf in conflict, %3 to %5 each side's value
        const QString text =
            !settled          ? Text::tr("conflict: %1: %2: before %3, ours %4, theirs %5")
            : settleForTheirs ? Text::tr("conflict: %1: %2: before %3, ours %4, theirs %5 (theirs taken)")
                              : Text::tr("conflict: %1: %2: before %3, ours %4, theirs %5 (ours kept)");
        err() << text.arg(conflict.record, conflict.field, conflict.base, conflict.mine, conflict.theirs) << Qt::endl;
    }
    const bool marked = !settled && !merged.conflicts.isEmpty();
    if (const int status = writeMerged(files[1], marked ? merged.markedText(markerSize) : merged.text()))
        return status;
    return marked ? 1 : 0;
}

int init(const QStringList& arguments)
{
    if (const FileError error = Workspace::createFolder(arguments[0]); error.isError())
        return trouble(QDir(arguments[0]).filePath(Workspace::kConfigFileName), error);
    //: %1 is the path of the zev.conf made
    out() << Text::tr("Made %1").arg(QDir::toNativeSeparators(QDir(arguments[0]).filePath(Workspace::kConfigFileName)))
          << Qt::endl;
    return 0;
}

int gitSetup(const QStringList& arguments)
{
    const GitSetup::Outcome outcome = GitSetup::setUp(arguments[0], QCoreApplication::applicationFilePath());
    for (const QString& line : outcome.lines)
        (outcome.done ? out() : err()) << line << Qt::endl;
    return outcome.done ? 0 : kTrouble;
}

// Run by the hooks git-setup installs, in the work tree's top folder: each
// set-up folder whose device files do not follow its zev.conf is written.
int gitHook(const QStringList&)
{
    for (const QString& folder : GitSetup::folders(QDir::currentPath())) {
        Workspace workspace;
        const LoadOutcome opened = workspace.open(folder);
        if (opened.conflictLine > 0) {
            //: %1 is the path of a zev.conf
            err() << "zevctl: "
                  << Text::tr("%1 holds unresolved merge conflicts: its device files are written once they are settled "
                              "and committed")
                         .arg(QDir(folder).filePath(Workspace::kConfigFileName))
                  << Qt::endl;
            continue;
        }
        // zev.conf stays as git checked it out: rewritten, it would look changed to git.
        if (opened.config == FileRead::Status::Read && !workspace.devicesBehind().isEmpty()) {
            out() << "zevctl: " << QDir::toNativeSeparators(folder) << ": ";
            reportSave(workspace.writeDeviceFiles());
        }
    }
    return 0;
}

struct Command {
    const char* name;
    const char* arguments; // the names of its arguments, one word each
    const char* options;   // the options it takes, as "[--a | --b] [--c=N]"
    const char* summary;   // marked for translation, translated where shown
    int (*run)(const QStringList& arguments);
};

const Command kCommands[] = {
    {"check", "FOLDER", "",
     QT_TRANSLATE_NOOP("zevctl", "the configuration check: a problem a line; 0 none, 1 some, 2 unreadable"), check},
    {"write", "FOLDER", "",
     QT_TRANSLATE_NOOP("zevctl", "writes zev.conf and every device file, as a save in the window does"), write},
    {"import", "FOLDER LIST", "",
     QT_TRANSLATE_NOOP("zevctl", "imports a device list (SERIAL,,,Description lines), then saves"), import},
    {"diff", "OLD NEW", "",
     QT_TRANSLATE_NOOP("zevctl", "what changed between two zev.conf files, record by record; 1 when any"), diff},
    {"show", "FILE", "", QT_TRANSLATE_NOOP("zevctl", "a zev.conf as sorted records, a line per field (a git textconv)"),
     show},
    {"merge", "BASE OURS THEIRS", "[--ours | --theirs] [--marker-size=N]",
     QT_TRANSLATE_NOOP("zevctl",
                       "three-way merge into OURS, conflicts marked (1) or settled one way (a git merge driver)"),
     merge},
    {"init", "FOLDER", "",
     QT_TRANSLATE_NOOP("zevctl", "makes a new working folder: an empty zev.conf (never over one)"), init},
    {"git-setup", "FOLDER", "",
     QT_TRANSLATE_NOOP("zevctl", "sets up the git work tree around FOLDER: attributes, ignores, the driver, the hooks"),
     gitSetup},
    {"git-hook", "", "",
     QT_TRANSLATE_NOOP("zevctl",
                       "run by the hooks git-setup installs: writes device files that do not follow zev.conf"),
     gitHook},
};

QString summary(const Command& command)
{
    return QCoreApplication::translate("zevctl", command.summary);
}

QString usageLine(const Command& command)
{
    QStringList parts{QStringLiteral("zevctl"), QLatin1String(command.name), QLatin1String(command.options),
                      QLatin1String(command.arguments)};
    parts.removeAll(QString());
    return parts.join(u' ');
}

// Whether the command takes option ("--marker-size=8" is "--marker-size=N").
bool takesOption(const Command& command, const QString& option)
{
    const QStringList taken = QString::fromLatin1(command.options).split(QRegularExpression(QStringLiteral("[\\[\\]| ]+")),
                                                                       Qt::SkipEmptyParts);
    return std::any_of(taken.begin(), taken.end(), [&option](const QString& known) {
        return known.contains(u'=') ? option.startsWith(known.section(u'=', 0, 0) + u'=') : option == known;
    });
}

const QString kCall = QStringLiteral("zevctl COMMAND ARGUMENTS...");

QString usage()
{
    QString text = usageLines({kCall, QStringLiteral("zevctl --help | --version")}) + QStringLiteral("\n\n");
    for (const Command& command : kCommands)
        text += QStringLiteral("  %1\n      %2\n").arg(usageLine(command), summary(command));
    return text;
}

QString shortUsage()
{
    QStringList names;
    for (const Command& command : kCommands)
        names << QLatin1String(command.name);
    //: %1 lists the names of the commands
    const QString commands = Text::tr("commands: %1").arg(names.join(u' '));
    return usageLines({kCall, QStringLiteral("zevctl [COMMAND] --help | --version")}) + u'\n' + commands;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Translations::install(app);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QLatin1String("--version"))) {
        out() << "zevctl, " << versionText() << Qt::endl;
        return 0;
    }
    const Command* command = nullptr;
    for (const Command& known : kCommands) {
        if (arguments.value(0) == QLatin1String(known.name))
            command = &known;
    }
    if (arguments.contains(QLatin1String("--help"))) {
        out() << (command ? usageLines({usageLine(*command)}) + u'\n' + summary(*command) : usage()) << Qt::endl;
        return 0;
    }
    if (arguments.isEmpty())
        return wrongCall(Text::tr("no command given"), shortUsage());
    if (!command)
        return wrongCall(Text::tr("unknown command “%1”").arg(arguments[0]), shortUsage());
    const QStringList rest = arguments.mid(1);
    const auto option = std::find_if(rest.begin(), rest.end(),
                                     [command](const QString& a) { return a.startsWith(u'-') && !takesOption(*command, a); });
    if (option != rest.end())
        return wrongCall(Text::tr("unknown option “%1”").arg(*option), usageLines({usageLine(*command)}));
    const qsizetype options = std::count_if(rest.begin(), rest.end(), [](const QString& a) { return a.startsWith(u'-'); });
    const QString wanted = QString::fromLatin1(command->arguments);
    if (rest.size() - options != (wanted.isEmpty() ? 0 : wanted.count(u' ') + 1))
        //: %1 is a command, %2 the placeholders of its arguments (“merge takes BASE OURS THEIRS”)
        return wrongCall(Text::tr("%1 takes %2").arg(QLatin1String(command->name), QLatin1String(command->arguments)),
                         usageLines({usageLine(*command)}));
    const int status = command->run(rest);
    out().flush(); // long listings go out a buffer at a time, not a line at a time
    return status;
}
