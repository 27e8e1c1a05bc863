#include "app/MainWindow.h"
#include "app/WindowActivation.h"
#include "model/Translations.h"
#include "prompts/AccessibleText.h"
#include "prompts/ReadableComboBox.h"
#include "prompts/TextFieldFocus.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(images);
    int exitCode = 0;
    {
        QApplication app(argc, argv);
        Translations::install(app);
        keepActiveWindowInStep(app);
        sayTextFieldsOnFocus(app);
        installReadableLineEdits();
        installReadableComboBoxes();
        MainWindow window;
        window.show();
        exitCode = app.exec();
    }
    Q_CLEANUP_RESOURCE(images);
    return exitCode;
}
