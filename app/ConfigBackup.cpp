#include "app/ConfigBackup.h"

#include "model/Workspace.h"
#include "prompts/Prompts.h"

void runConfigBackup(QWidget* parent, const Workspace& workspace, const std::function<bool()>& save)
{
    Prompts& prompts = Prompts::current();
    if (workspace.isModified() &&
        Prompts::askYesNo(parent, QStringLiteral("Save changes?"),
                          QStringLiteral("\nZEV data has been modified. Do you want to save changes before creating "
                                         "a backup?")) == QMessageBox::Yes &&
        !save()) {
        // zev.conf is not what the user has just asked to keep: a copy of it would mislead.
        prompts.warning(parent, QStringLiteral("Save backup"),
                        QStringLiteral("\nYour changes have not been saved, so no backup was created."));
        return;
    }

    const QString backupName =
        prompts.saveFileName(parent, QStringLiteral("Create backup file"), workspace.folderPath(), QString());
    if (backupName.isEmpty())
        return;

    const BackupOutcome outcome = workspace.backup(backupName);
    if (outcome.status == BackupOutcome::Status::Exists) {
        prompts.warning(parent, QStringLiteral("Operation not allowed"),
                        QStringLiteral("\nZEV cannot overwrite existing files! Backup file not created"));
    } else if (outcome.status == BackupOutcome::Status::Failed) {
        prompts.warning(parent, QStringLiteral("File write error"),
                        QStringLiteral("There was an error creating the backup file.\nThe directory may be read only, "
                                       "or your may not have permission to write to the directory"),
                        outcome.failedFile + QStringLiteral(": ") + outcome.error.text());
    }
}
