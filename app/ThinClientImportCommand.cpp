#include "app/ThinClientImportCommand.h"

#include "prompts/Prompts.h"
#include "model/ThinClientImport.h"
#include "model/TrustedNames.h"
#include "model/Workspace.h"

void runThinClientImport(QWidget* parent, Workspace& workspace)
{
    Prompts& prompts = Prompts::current();
    const QString fileName =
        prompts.openFileName(parent, QStringLiteral("Import from file"), QString(), QStringLiteral("Text files (*.txt)"));
    if (fileName.isEmpty())
        return;

    // A device list is a few megabytes at most; a pipe or a device there is refused unread.
    const FileRead list = readChosenFile(fileName, 256 * 1024 * 1024);
    if (list.status != FileRead::Status::Read) {
        prompts.warning(parent, QStringLiteral("Open error"), QStringLiteral("Error opening file\n\n") + fileName,
                        list.error.text());
        return;
    }
    const ThinClientImport::Stats stats =
        workspace.importThinClients(list.content, [&prompts, parent](const QString& line) {
            prompts.information(parent, QStringLiteral("Import error"),
                                QStringLiteral("Invalid serial number found, discarding following entry:\n\n") + line);
        });
    prompts.information(parent, QStringLiteral("Import status"), ThinClientImport::statusText(stats),
                        stats.skipped.join(u'\n'));
}
