#include "app/ConfigBackup.h"

#include "model/Workspace.h"
#include "prompts/Prompts.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigBackup)
};

} // namespace

void runConfigBackup(QWidget* parent, const Workspace& workspace, const std::function<bool()>& save)
{
    Prompts& prompts = Prompts::current();
    if (workspace.isModified() &&
        Prompts::askYesNo(parent, Text::tr("Save changes?"),
                          Text::tr("\nZEV data has been modified. Do you want to save changes before creating "
                                   "a backup?")) == QMessageBox::Yes &&
        !save()) {
        // zev.conf is not what the user has just asked to keep: a copy of it would mislead.
        prompts.warning(parent, Text::tr("Save backup"),
                        Text::tr("\nYour changes have not been saved, so no backup was created."));
        return;
    }

    const QString backupName =
        prompts.saveFileName(parent, Text::tr("Create backup file"), workspace.folderPath(), QString());
    if (backupName.isEmpty())
        return;

    const BackupOutcome outcome = workspace.backup(backupName);
    if (outcome.status == BackupOutcome::Status::Exists) {
        prompts.warning(parent, Text::tr("Operation not allowed"),
                        Text::tr("\nZEV cannot overwrite existing files! Backup file not created"));
    } else if (outcome.status == BackupOutcome::Status::Failed) {
        prompts.warning(parent, Text::tr("File write error"),
                        Text::tr("There was an error creating the backup file.\nThe directory may be read only, "
                                 "or your may not have permission to write to the directory"),
                        outcome.failedFile + QStringLiteral(": ") + outcome.error.text());
    }
}
