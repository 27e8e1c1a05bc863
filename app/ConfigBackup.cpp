#include "app/ConfigBackup.h"

#include "prompts/Prompts.h"

#include <QFile>
#include <QFileInfo>

void runConfigBackup(QWidget* parent, const QString& workingDir, bool modified, const std::function<void()>& save)
{
    if (modified && Prompts::askYesNo(parent, QStringLiteral("Save changes?"),
                                      QStringLiteral("\nZEV data has been modified. Do you want to save changes "
                                                     "before creating a backup?")) == QMessageBox::Yes)
        save();

    const QString backupName =
        Prompts::current().saveFileName(parent, QStringLiteral("Create backup file"), workingDir, QString());
    if (backupName.isEmpty())
        return;

    if (QFileInfo::exists(backupName)) {
        Prompts::current().warning(parent, QStringLiteral("Operation not allowed"),
                                   QStringLiteral("\nZEV cannot overwrite existing files! Backup file not created"));
        return;
    }
    if (!QFile::copy(workingDir + QStringLiteral("/zev.conf"), backupName)) {
        Prompts::current().warning(parent, QStringLiteral("File write error"),
                                   QStringLiteral("There was an error creating the backup file.\nThe directory may "
                                                  "be read only, or your may not have permission to write to the "
                                                  "directory"));
    }
}
