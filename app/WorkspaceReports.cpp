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

const QString kLoadingTitle = QStringLiteral("ZEV - Loading Configuration");
const QString kSavingTitle = QStringLiteral("ZEV - Saving Configuration");
const QString kDeviceTitle = QStringLiteral("Creating thinclient configuration");

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
    auto dialog = std::make_unique<QProgressDialog>(text, QStringLiteral("Cancel"), 0, maximum, parent);
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(kSavingTitle);
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
                                     QStringLiteral("Waiting for another program to finish saving…"), 0);
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
        const QLocale locale = QLocale::system();
        shown->dialog->setLabelText(
            last ? QStringLiteral("Putting %1 device files in place…").arg(locale.toString(total))
                 : QStringLiteral("Writing device files: %1 of %2").arg(locale.toString(written), locale.toString(total)));
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

QString changeText(ConfigChange change)
{
    return change == ConfigChange::Deleted   ? QStringLiteral("deleted")
           : change == ConfigChange::Created ? QStringLiteral("created")
                                             : QStringLiteral("changed");
}

// Merge is the default where there is something to merge; otherwise the only
// way on is saving the window's records again.
ChangedConfigAnswer askAboutChangedConfig(QWidget* parent, ConfigChange change)
{
    const QString text =
        QStringLiteral("\nzev.conf was %1 by another program after ZEV read it.").arg(changeText(change));
    if (!canMerge(change)) {
        const auto answer = Prompts::current().question(
            parent, kSavingTitle, text + QStringLiteral("\n\nSave your configuration as zev.conf again?"),
            QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save, QMessageBox::Cancel);
        return answer == QMessageBox::Save ? ChangedConfigAnswer::Replace : ChangedConfigAnswer::Cancel;
    }
    const auto answer = Prompts::current().question(
        parent, kSavingTitle,
        text + QStringLiteral("\n\nMerge: keep both your changes and theirs.\nReplace theirs: save yours over them."),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel,
        {{QMessageBox::Yes, QStringLiteral("&Merge")}, {QMessageBox::No, QStringLiteral("&Replace theirs")}});
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
    return SaveReport::merged(merged, QLocale::system());
}

// Another program's change came in the instant before zev.conf was replaced: never lost in silence.
void reportDisplacedChange(QWidget* parent, const SaveOutcome& outcome)
{
    if (const QString text = SaveReport::displacedChange(outcome); !text.isEmpty())
        Prompts::current().warning(parent, kSavingTitle, u'\n' + text);
}

void report(QWidget* parent, const SaveOutcome& outcome)
{
    Prompts& prompts = Prompts::current();
    reportDisplacedChange(parent, outcome);
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        showStatus(parent, SaveReport::saved(outcome, QLocale::system()));
        return;
    case SaveOutcome::Status::Cancelled: // the user's own choice: no box, but a word
        showStatus(parent, QStringLiteral("Not saved: your changes are kept."));
        return;
    case SaveOutcome::Status::Busy:
        prompts.information(parent, kSavingTitle,
                            QStringLiteral("\nAnother program is saving into the working folder; your data has NOT "
                                           "been saved!\n\nPlease try again in a moment."));
        return;
    case SaveOutcome::Status::LockRefused: // a folder this user may not write: zev.conf cannot be written either
    case SaveOutcome::Status::ConfigRefused:
        prompts.information(parent, kSavingTitle,
                            QStringLiteral("\nError opening configuration file; your data has NOT been saved!"),
                            failureLine(outcome.stoppedAt, outcome.error, outcome.advice));
        return;
    case SaveOutcome::Status::DevicesFailed: {
        QStringList lines;
        for (const FileFailure& failure : outcome.failedDevices)
            lines << failureLine(failure.path, failure.error, failure.advice);
        prompts.information(parent, kDeviceTitle,
                            QStringLiteral("Not all thinclient configuration fileshave been created"),
                            lines.join(u'\n'));
        return;
    }
    }
}

} // namespace

bool reportFolder(QWidget* parent, const LoadOutcome& loaded)
{
    if (loaded.folderError.isError())
        Prompts::current().warning(parent, kLoadingTitle,
                                   QStringLiteral("\nThe folder of the picture could not be opened:\n%1")
                                       .arg(QDir::toNativeSeparators(loaded.folder)),
                                   loaded.folderError.text());
    return !loaded.folderError.isError();
}

bool reportPicture(QWidget* parent, const QString& picturePath, const LoadOutcome& loaded, bool decoded)
{
    const bool read = loaded.picture.status == FileRead::Status::Read;
    if (!read || !decoded)
        Prompts::current().warning(parent, QStringLiteral("ZEV - Loading Image"),
                                   QStringLiteral("\nThe topology picture could not be loaded:\n%1")
                                       .arg(QDir::toNativeSeparators(picturePath)),
                                   read ? QStringLiteral("not a PNG, BMP or JPEG picture") : loaded.picture.error.text());
    return read && decoded;
}

bool reportUnresolvedConflicts(QWidget* parent, const LoadOutcome& loaded)
{
    if (loaded.conflictLine > 0)
        Prompts::current().warning(
            parent, kLoadingTitle,
            QStringLiteral("\nzev.conf holds unresolved merge conflicts, line %1.\n\nSettle them in an editor or with git "
                           "mergetool, or all at once with\nzevctl merge --ours or --theirs,\nthen load the picture again.")
                .arg(loaded.conflictLine));
    return loaded.conflictLine == 0;
}

bool reportConfig(QWidget* parent, const QString& configPath, const LoadOutcome& loaded)
{
    // Starting empty in silence would let the next save replace a file the user still has.
    if (loaded.config == FileRead::Status::Refused)
        Prompts::current().warning(parent, kLoadingTitle,
                                   QStringLiteral("\nThe configuration file could not be read:\n%1\n\nZEV starts "
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
        return Prompts::askYesNo(parent, kDeviceTitle,
                                 QStringLiteral("\nError creating file: %1\nDo you want to continue?").arg(path)) !=
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
    Prompts::current().warning(parent, kLoadingTitle,
                               QStringLiteral("\nThe configuration file could not be read:\n%1")
                                   .arg(QDir::toNativeSeparators(workspace.configPath())),
                               error.text());
    return false;
}

} // namespace

void reportChangeOnDisk(QWidget* parent, ConfigChange change)
{
    if (auto* window = qobject_cast<QMainWindow*>(parent))
        window->statusBar()->showMessage(QStringLiteral("zev.conf was %1 by another program — %2")
                                             .arg(changeText(change), canMerge(change)
                                                                          ? QStringLiteral("File ▸ Merge changes from disk")
                                                                          : QStringLiteral("Save writes it again")));
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
                               ? QStringLiteral("zev.conf holds no changes by another program.")
                               : QStringLiteral("zev.conf was deleted by another program: nothing to merge. Save writes it again."));
        break;
    case MergeOutcome::Status::Cancelled:
        showStatus(parent, QStringLiteral("Not merged: nothing changed."));
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
        Prompts::current().question(parent, kLoadingTitle,
                                    QStringLiteral("\nDiscard your changes and load zev.conf as it is on disk?"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                    QMessageBox::No) != QMessageBox::Yes)
        return false;
    FileError error;
    if (!workspace.reloadFromDisk(&error))
        return notReadable(parent, workspace, error);
    showStatus(parent, QStringLiteral("Reloaded zev.conf from disk."));
    return true;
}

QString mergeDetails(const MergeOutcome& merged)
{
    QStringList lines;
    for (const MergeChange& change : merged.changes)
        lines << change.text;
    return lines.join(u'\n');
}
