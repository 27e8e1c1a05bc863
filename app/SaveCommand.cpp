#include "app/SaveCommand.h"

#include "prompts/Prompts.h"

#include <QDir>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <memory>

namespace {

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
    return [parent, dialog](qint64 waitedMs) {
        if (!*dialog) {
            *dialog = std::make_unique<QProgressDialog>(QStringLiteral("Waiting for another program to finish saving…"),
                                                        QStringLiteral("Cancel"), 0, SaveLock::kWaitMs, parent);
            (*dialog)->setObjectName(QStringLiteral("waitingForLock"));
            (*dialog)->setWindowTitle(kSavingTitle);
            (*dialog)->setWindowModality(Qt::ApplicationModal);
            (*dialog)->setMinimumDuration(0);
        }
        (*dialog)->setValue(int(qMin<qint64>(waitedMs, SaveLock::kWaitMs - 1)));
        QEventLoop pause;
        QTimer::singleShot(50, &pause, &QEventLoop::quit);
        pause.exec();
        return !(*dialog)->wasCanceled();
    };
}

void report(QWidget* parent, const SaveOutcome& outcome)
{
    Prompts& prompts = Prompts::current();
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
    case SaveOutcome::Status::Cancelled:
        return;
    case SaveOutcome::Status::Busy:
        prompts.information(parent, kSavingTitle,
                            QStringLiteral("\nAnother program is saving into the working folder; your data has NOT "
                                           "been saved!\n\nPlease try again in a moment."));
        return;
    case SaveOutcome::Status::LockRefused:
        prompts.information(parent, kSavingTitle,
                            QStringLiteral("\nThe working folder cannot be locked for saving; your data has NOT been "
                                           "saved!"),
                            fileErrorText(outcome.error));
        return;
    case SaveOutcome::Status::ConfigRefused:
        prompts.information(parent, kSavingTitle,
                            QStringLiteral("\nError opening configuration file; your data has NOT been saved!"),
                            failureLine(outcome.configPath, outcome.error));
        return;
    case SaveOutcome::Status::DevicesFailed: {
        QStringList lines;
        for (const FileFailure& failure : outcome.failedDevices)
            lines << failureLine(failure.path, failure.error);
        prompts.information(parent, kDeviceTitle, QStringLiteral("Not all thinclient configuration fileshave been created"),
                            lines.join(u'\n'));
        return;
    }
    }
}

} // namespace

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
    report(parent, outcome);
    return outcome;
}
