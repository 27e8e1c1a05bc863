#include "app/ThinClientImportCommand.h"

#include "prompts/Prompts.h"
#include "model/ThinClientImport.h"

#include <QFile>

void runThinClientImport(QWidget* parent, QList<ThinClient*>& thinClients, const std::function<void()>& dataChanged)
{
    Prompts& prompts = Prompts::current();
    const QString fileName =
        prompts.openFileName(parent, QStringLiteral("Import from file"), QString(), QStringLiteral("Text files (*.txt)"));
    if (fileName.isEmpty())
        return;

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts.warning(parent, QStringLiteral("Open error"), QStringLiteral("Error opening file\n\n") + fileName);
        return;
    }
    const ThinClientImport::Stats stats =
        ThinClientImport::merge(file.readAll(), thinClients, [&prompts, parent](const QString& line) {
            prompts.information(parent, QStringLiteral("Import error"),
                                QStringLiteral("Invalid serial number found, discarding following entry:\n\n") + line);
        });
    file.close();

    if (stats.added > 0 || stats.updated > 0)
        dataChanged();
    prompts.information(parent, QStringLiteral("Import status"), ThinClientImport::statusText(stats));
}
