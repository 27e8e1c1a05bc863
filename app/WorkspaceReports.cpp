#include "app/WorkspaceReports.h"

#include "model/SaveReport.h"
#include "prompts/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocale>
#include <QMainWindow>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>

#include <memory>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(WorkspaceReports)
};

// Asked for each time: the translation is loaded after the program starts.
QString loadingTitle()
{
    return Text::tr("ZEV - Loading Configuration");
}

QString savingTitle()
{
    return Text::tr("ZEV - Saving Configuration");
}

QString deviceTitle()
{
    return Text::tr("Creating thinclient configuration");
}

QString failureLine(const QString& path, const FileError& error, const QString& advice = {})
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + error.text() +
           (advice.isEmpty() ? QString() : QStringLiteral("\n    ") + advice);
}

// Modal, with Cancel; Escape cancels as the button does, even before the dialog
// has become the active window (when it would merely hide it).
std::unique_ptr<QProgressDialog> progressDialog(QWidget* parent, const QString& objectName, const QString& text,
                                                int maximum)
{
    auto dialog = std::make_unique<QProgressDialog>(text, Text::tr("Cancel"), 0, maximum, parent);
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(savingTitle());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    QObject::connect(dialog.get(), &QDialog::rejected, dialog.get(), &QProgressDialog::cancel);
    dialog->show();
    return dialog;
}

// While another program saves: a small dialog with Cancel, and the window
// repaints meanwhile (the dialog keeps every other input away from it).
SaveLock::KeepWaiting waitWithProgress(QWidget* parent)
{
    auto dialog = std::make_shared<std::unique_ptr<QProgressDialog>>();
    return [parent, dialog](qint64) {
        if (!*dialog) {
            // No end is known: a busy bar, not a percentage.
            *dialog = progressDialog(parent, QStringLiteral("waitingForLock"),
                                     Text::tr("Waiting for another program to finish saving…"), 0);
        }
        QEventLoop pause;
        QTimer::singleShot(50, &pause, &QEventLoop::quit);
        pause.exec();
        return !(*dialog)->wasCanceled();
    };
}

// A save that takes longer than half a second shows how many device files are
// written; Cancel stops it before anything is put in place.
ClientConfigFile::Progress progressAfterHalfASecond(QWidget* parent)
{
    struct Shown {
        QElapsedTimer sinceStart;
        QElapsedTimer sinceUpdate;
        std::unique_ptr<QProgressDialog> dialog;
    };
    auto shown = std::make_shared<Shown>();
    shown->sinceStart.start();
    return [parent, shown](int written, int total) {
        const bool last = written == total;
        if (!shown->dialog) {
            if (shown->sinceStart.elapsed() < 500)
                return true;
            shown->dialog = progressDialog(parent, QStringLiteral("savingFiles"), QString(), total);
        } else if (!last && shown->sinceUpdate.elapsed() < 50) {
            return true; // the count is redrawn twenty times a second, not once per file
        }
        shown->sinceUpdate.start();
        shown->dialog->setLabelText(last ? Text::tr("Putting %Ln device files in place…", nullptr, total)
                                         : Text::tr("Writing device files: %L1 of %L2").arg(written).arg(total));
        // From here on the files go in place, which cannot be stopped half-way.
        if (last && !shown->dialog->wasCanceled())
            shown->dialog->setCancelButton(nullptr);
        shown->dialog->setValue(written);
        QCoreApplication::processEvents(); // the dialog keeps every other input away from the window
        return !shown->dialog->wasCanceled();
    };
}

SettleConflicts settleWithDialog(QWidget* parent)
{
    return [parent](QList<MergeConflict>& conflicts) { return Prompts::current().settleConflicts(parent, conflicts); };
}

// Whole sentences for each change: a translation may need other words around each.
QString changedAfterReading(ConfigChange change)
{
    return change == ConfigChange::Deleted   ? Text::tr("\nzev.conf was deleted by another program after ZEV read it.")
           : change == ConfigChange::Created ? Text::tr("\nzev.conf was created by another program after ZEV read it.")
                                             : Text::tr("\nzev.conf was changed by another program after ZEV read it.");
}

// hint: what to do about it.
QString changedOnDisk(ConfigChange change, const QString& hint)
{
    //: %1 what to do about it: the File menu's merge command, or that Save writes the file again
    return change == ConfigChange::Deleted   ? Text::tr("zev.conf was deleted by another program — %1").arg(hint)
           : change == ConfigChange::Created ? Text::tr("zev.conf was created by another program — %1").arg(hint)
                                             : Text::tr("zev.conf was changed by another program — %1").arg(hint);
}

// Merge is the default where there is something to merge; otherwise the only
// way on is saving the window's records again.
ChangedConfigAnswer askAboutChangedConfig(QWidget* parent, ConfigChange change)
{
    const QString text = changedAfterReading(change);
    if (!canMerge(change)) {
        const auto answer = Prompts::current().question(
            parent, savingTitle(), text + Text::tr("\n\nSave your configuration as zev.conf again?"),
            QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save, QMessageBox::Cancel);
        return answer == QMessageBox::Save ? ChangedConfigAnswer::Replace : ChangedConfigAnswer::Cancel;
    }
    const auto answer = Prompts::current().question(
        parent, savingTitle(),
        //: Merge and Replace theirs are the box's buttons
        text + Text::tr("\n\nMerge: keep both your changes and theirs.\nReplace theirs: save yours over them."),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel,
        {{QMessageBox::Yes, Text::tr("&Merge")}, {QMessageBox::No, Text::tr("&Replace theirs")}});
    return answer == QMessageBox::Yes  ? ChangedConfigAnswer::Merge
           : answer == QMessageBox::No ? ChangedConfigAnswer::Replace
                                       : ChangedConfigAnswer::Cancel;
}

void showStatus(QWidget* parent, const QString& text)
{
    if (auto* window = qobject_cast<QMainWindow*>(parent))
        window->statusBar()->showMessage(text, 5000);
}


QString mergedText(const MergeOutcome& merged)
{
    return SaveReport::merged(merged);
}

// Another program's change came in the instant before zev.conf was replaced: never lost in silence.
void reportDisplacedChange(QWidget* parent, const SaveOutcome& outcome)
{
    if (const QString text = SaveReport::displacedChange(outcome); !text.isEmpty())
        Prompts::current().warning(parent, savingTitle(), u'\n' + text);
}

void report(QWidget* parent, const SaveOutcome& outcome)
{
    Prompts& prompts = Prompts::current();
    reportDisplacedChange(parent, outcome);
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        showStatus(parent, SaveReport::saved(outcome));
        return;
    case SaveOutcome::Status::Cancelled: // the user's own choice: no box, but a word
        showStatus(parent, Text::tr("Not saved: your changes are kept."));
        return;
    case SaveOutcome::Status::Busy:
        prompts.information(parent, savingTitle(),
                            Text::tr("\nAnother program is saving into the working folder; your data has NOT "
                                     "been saved!\n\nPlease try again in a moment."));
        return;
    case SaveOutcome::Status::LockRefused: // a folder this user may not write: zev.conf cannot be written either
    case SaveOutcome::Status::ConfigRefused:
        prompts.information(parent, savingTitle(),
                            Text::tr("\nError opening configuration file; your data has NOT been saved!"),
                            failureLine(outcome.stoppedAt, outcome.error, outcome.advice));
        return;
    case SaveOutcome::Status::DevicesFailed: {
        QStringList lines;
        for (const FileFailure& failure : outcome.failedDevices)
            lines << failureLine(failure.path, failure.error, failure.advice);
        prompts.information(parent, deviceTitle(), Text::tr("Not all thinclient configuration fileshave been created"),
                            lines.join(u'\n'));
        return;
    }
    }
}

} // namespace

bool reportFolder(QWidget* parent, const LoadOutcome& loaded)
{
    if (loaded.folderError.isError())
        Prompts::current().warning(parent, loadingTitle(),
                                   Text::tr("\nThe folder of the picture could not be opened:\n%1")
                                       .arg(QDir::toNativeSeparators(loaded.folder)),
                                   loaded.folderError.text());
    return !loaded.folderError.isError();
}

bool reportPicture(QWidget* parent, const QString& picturePath, const LoadOutcome& loaded, bool decoded)
{
    const bool read = loaded.picture.status == FileRead::Status::Read;
    if (!read || !decoded)
        Prompts::current().warning(parent, Text::tr("ZEV - Loading Image"),
                                   Text::tr("\nThe topology picture could not be loaded:\n%1")
                                       .arg(QDir::toNativeSeparators(picturePath)),
                                   read ? Text::tr("not a PNG, BMP or JPEG picture") : loaded.picture.error.text());
    return read && decoded;
}

bool reportUnresolvedConflicts(QWidget* parent, const LoadOutcome& loaded)
{
    if (loaded.conflictLine > 0)
        Prompts::current().warning(
            parent, loadingTitle(),
            //: %1 a line number. "git mergetool" and "zevctl merge --ours or --theirs" are commands: keep them
            Text::tr("\nzev.conf holds unresolved merge conflicts, line %1.\n\nSettle them in an editor or with git "
                     "mergetool, or all at once with\nzevctl merge --ours or --theirs,\nthen load the picture again.")
                .arg(loaded.conflictLine));
    return loaded.conflictLine == 0;
}

bool reportConfig(QWidget* parent, const QString& configPath, const LoadOutcome& loaded)
{
    // Starting empty in silence would let the next save replace a file the user still has.
    if (loaded.config == FileRead::Status::Refused)
        Prompts::current().warning(parent, loadingTitle(),
                                   Text::tr("\nThe configuration file could not be read:\n%1\n\nZEV starts "
                                            "with an empty configuration. Saving will replace that file.")
                                       .arg(QDir::toNativeSeparators(configPath)),
                                   loaded.configError.text());
    return loaded.config == FileRead::Status::Read;
}

SaveOutcome runSave(QWidget* parent, Workspace& workspace)
{
    SaveQuestions questions;
    questions.keepWaiting = waitWithProgress(parent);
    questions.progress = progressAfterHalfASecond(parent);
    questions.changedConfig = [parent](ConfigChange change) { return askAboutChangedConfig(parent, change); };
    questions.settleConflicts = settleWithDialog(parent);
    questions.continueAfterFailure = [parent](const QString& path, int) {
        return Prompts::askYesNo(parent, deviceTitle(),
                                 Text::tr("\nError creating file: %1\nDo you want to continue?").arg(path)) !=
               QMessageBox::No;
    };
    const SaveOutcome outcome = workspace.save(questions);
    questions = {}; // the waiting and progress dialogs go before any box
    report(parent, outcome);
    return outcome;
}

namespace {

bool notReadable(QWidget* parent, const Workspace& workspace, const FileError& error)
{
    Prompts::current().warning(parent, loadingTitle(),
                               Text::tr("\nThe configuration file could not be read:\n%1")
                                   .arg(QDir::toNativeSeparators(workspace.configPath())),
                               error.text());
    return false;
}

} // namespace

void reportChangeOnDisk(QWidget* parent, ConfigChange change)
{
    if (auto* window = qobject_cast<QMainWindow*>(parent)) {
        //: The File menu's command, named as the menu names it
        const QString hint =
            canMerge(change) ? Text::tr("File ▸ Merge changes from disk") : Text::tr("Save writes it again");
        window->statusBar()->showMessage(changedOnDisk(change, hint));
    }
}

MergeOutcome runMergeFromDisk(QWidget* parent, Workspace& workspace)
{
    const MergeOutcome merged = workspace.mergeFromDisk(settleWithDialog(parent));
    switch (merged.status) {
    case MergeOutcome::Status::Merged:
        showStatus(parent, mergedText(merged));
        break;
    case MergeOutcome::Status::NothingToMerge:
        showStatus(parent, merged.change == ConfigChange::None
                               ? Text::tr("zev.conf holds no changes by another program.")
                               : Text::tr("zev.conf was deleted by another program: nothing to merge. Save writes it "
                                          "again."));
        break;
    case MergeOutcome::Status::Cancelled:
        showStatus(parent, Text::tr("Not merged: nothing changed."));
        break;
    case MergeOutcome::Status::Unreadable:
        notReadable(parent, workspace, merged.error);
        break;
    }
    return merged;
}

bool runReloadFromDisk(QWidget* parent, Workspace& workspace)
{
    if (workspace.isModified() &&
        Prompts::current().question(parent, loadingTitle(),
                                    Text::tr("\nDiscard your changes and load zev.conf as it is on disk?"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                    QMessageBox::No) != QMessageBox::Yes)
        return false;
    FileError error;
    if (!workspace.reloadFromDisk(&error))
        return notReadable(parent, workspace, error);
    showStatus(parent, Text::tr("Reloaded zev.conf from disk."));
    return true;
}

QString mergeDetails(const MergeOutcome& merged)
{
    QStringList lines;
    for (const MergeChange& change : merged.changes)
        lines << change.text;
    return lines.join(u'\n');
}
