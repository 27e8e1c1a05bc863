#include "app/WorkspaceReports.h"

#include "prompts/Prompts.h"

#include <QDir>
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

QString failureLine(const QString& path, int error)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + fileErrorText(error);
}

// While another program saves: a small dialog with Cancel, and the window
// repaints meanwhile (the dialog keeps every other input away from it).
SaveLock::KeepWaiting waitWithProgress(QWidget* parent)
{
    auto dialog = std::make_shared<std::unique_ptr<QProgressDialog>>();
    return [parent, dialog](qint64) {
        if (!*dialog) {
            // No end is known: a busy bar, not a percentage.
            *dialog = std::make_unique<QProgressDialog>(QStringLiteral("Waiting for another program to finish saving…"),
                                                        QStringLiteral("Cancel"), 0, 0, parent);
            (*dialog)->setObjectName(QStringLiteral("waitingForLock"));
            (*dialog)->setWindowTitle(kSavingTitle);
            (*dialog)->setWindowModality(Qt::ApplicationModal);
            (*dialog)->show();
        }
        QEventLoop pause;
        QTimer::singleShot(50, &pause, &QEventLoop::quit);
        pause.exec();
        return !(*dialog)->wasCanceled();
    };
}

void showStatus(QWidget* parent, const QString& text)
{
    if (auto* window = qobject_cast<QMainWindow*>(parent))
        window->statusBar()->showMessage(text, 5000);
}

QString deviceFiles(int count)
{
    return count == 1 ? QStringLiteral("1 device file")
                      : QStringLiteral("%1 device files").arg(QLocale::system().toString(count));
}

void report(QWidget* parent, const SaveOutcome& outcome)
{
    Prompts& prompts = Prompts::current();
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        showStatus(parent, outcome.configWritten
                               ? QStringLiteral("Saved zev.conf and %1").arg(deviceFiles(outcome.devicesWritten))
                               : QStringLiteral("Saved: nothing to write"));
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
                            failureLine(outcome.stoppedAt, outcome.error));
        return;
    case SaveOutcome::Status::DevicesFailed: {
        QStringList lines;
        for (const FileFailure& failure : outcome.failedDevices)
            lines << failureLine(failure.path, failure.error);
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
    if (loaded.folderError != 0)
        Prompts::current().warning(parent, kLoadingTitle,
                                   QStringLiteral("\nThe folder of the picture could not be opened:\n%1")
                                       .arg(QDir::toNativeSeparators(loaded.folder)),
                                   fileErrorText(loaded.folderError));
    return loaded.folderError == 0;
}

bool reportPicture(QWidget* parent, const QString& picturePath, const LoadOutcome& loaded)
{
    if (loaded.picture.status != FileRead::Status::Read)
        Prompts::current().warning(parent, QStringLiteral("ZEV - Loading Image"),
                                   QStringLiteral("\nThe topology picture could not be loaded:\n%1")
                                       .arg(QDir::toNativeSeparators(picturePath)),
                                   fileErrorText(loaded.picture.error));
    return loaded.picture.status == FileRead::Status::Read;
}

bool reportConfig(QWidget* parent, const QString& configPath, const LoadOutcome& loaded)
{
    // Starting empty in silence would let the next save replace a file the user still has.
    if (loaded.config == FileRead::Status::Refused)
        Prompts::current().warning(parent, kLoadingTitle,
                                   QStringLiteral("\nThe configuration file could not be read:\n%1\n\nZEV starts "
                                                  "with an empty configuration. Saving will replace that file.")
                                       .arg(QDir::toNativeSeparators(configPath)),
                                   fileErrorText(loaded.configError));
    return loaded.config == FileRead::Status::Read;
}

SaveOutcome runSave(QWidget* parent, Workspace& workspace)
{
    SaveQuestions questions;
    questions.keepWaiting = waitWithProgress(parent);
    questions.replaceChangedConfig = [parent] {
        return Prompts::current().question(
                   parent, kSavingTitle,
                   QStringLiteral("\nzev.conf was changed by another program after ZEV read it.\n\nReplace those "
                                  "changes with yours?"),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    questions.continueAfterFailure = [parent](const QString& path, int) {
        return Prompts::askYesNo(parent, kDeviceTitle,
                                 QStringLiteral("\nError creating file: %1\nDo you want to continue?").arg(path)) !=
               QMessageBox::No;
    };
    const SaveOutcome outcome = workspace.save(questions);
    questions = {}; // the waiting dialog goes before any box
    report(parent, outcome);
    return outcome;
}
