#include "app/ThinClientImportCommand.h"

#include "prompts/Prompts.h"
#include "model/ThinClientImport.h"
#include "model/TrustedNames.h"
#include "model/Workspace.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ThinClientImportCommand)
};

} // namespace

void runThinClientImport(QWidget* parent, Workspace& workspace)
{
    Prompts& prompts = Prompts::current();
    //: The file dialog's filter: the words are translated, the pattern in brackets is kept
    const QString filter = Text::tr("Text files (*.txt)");
    const QString fileName = prompts.openFileName(parent, Text::tr("Import from file"), QString(), filter);
    if (fileName.isEmpty())
        return;

    // A device list is a few megabytes at most; a pipe or a device there is refused unread.
    const FileRead list = readChosenFile(fileName, 256 * 1024 * 1024);
    if (list.status != FileRead::Status::Read) {
        prompts.warning(parent, Text::tr("Open error"), Text::tr("Error opening file\n\n%1").arg(fileName),
                        list.error.text());
        return;
    }
    const ThinClientImport::Stats stats =
        workspace.importThinClients(list.content, [&prompts, parent](const QString& line) {
            prompts.information(parent, Text::tr("Import error"),
                                //: %1 the line of the file that was left out
                                Text::tr("Invalid serial number found, discarding following entry:\n\n%1").arg(line));
        });
    prompts.information(parent, Text::tr("Import status"), ThinClientImport::statusText(stats),
                        stats.skipped.join(u'\n'));
}
