#include "prompts/Prompts.h"

#include <QAbstractFileIconProvider>
#include <QCoreApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Prompts)
};

Prompts* installedPrompts = nullptr;
WidgetPrompts::ConflictSettler conflictSettler;

} // namespace

Prompts& Prompts::current()
{
    static WidgetPrompts widgetPrompts;
    return installedPrompts ? *installedPrompts : widgetPrompts;
}

void Prompts::install(Prompts* prompts)
{
    installedPrompts = prompts;
}

QMessageBox::StandardButton Prompts::askYesNo(QWidget* parent, const QString& title, const QString& text,
                                              QMessageBox::StandardButton escapeButton)
{
    return current().question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                              escapeButton);
}

namespace {

// Qt shows a box's details in a text the keyboard cannot reach: it is put in
// the Tab order, and "Show Details..." hands it the keyboard, so that a screen
// reader reads the reason. Return and Escape still answer the box from it.
void makeDetailsReadable(QMessageBox& box)
{
    auto* details = box.findChild<QTextEdit*>();
    if (!details)
        return;
    details->setFocusPolicy(Qt::StrongFocus);
    //: A message box's details, as a screen reader names them
    details->setAccessibleName(Text::tr("Details"));
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) != QMessageBox::ActionRole)
            continue;
        // Once the box has shown the details, which it does on the same click.
        QObject::connect(button, &QAbstractButton::clicked, details, [details] {
            QTimer::singleShot(0, details, [details] {
                if (details->isVisible())
                    details->setFocus(Qt::OtherFocusReason);
            });
        });
    }
}

void showBox(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text,
             const QString& details)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    // Return answers OK even after "Show Details..." took the focus; Space still toggles the details.
    for (QAbstractButton* button : box.buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button); push && box.buttonRole(button) != QMessageBox::AcceptRole)
            push->setAutoDefault(false);
    }
    box.setDefaultButton(QMessageBox::Ok);
    makeDetailsReadable(box);
    box.exec();
}

} // namespace

void WidgetPrompts::information(QWidget* parent, const QString& title, const QString& text, const QString& details)
{
    showBox(QMessageBox::Information, parent, title, text, details);
}

void WidgetPrompts::warning(QWidget* parent, const QString& title, const QString& text, const QString& details)
{
    showBox(QMessageBox::Warning, parent, title, text, details);
}

QMessageBox::StandardButton WidgetPrompts::question(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton,
                                                    QMessageBox::StandardButton escapeButton,
                                                    const QMap<QMessageBox::StandardButton, QString>& buttonTexts)
{
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    for (auto text = buttonTexts.constBegin(); text != buttonTexts.constEnd(); ++text)
        box.button(text.key())->setText(text.value());
    return QMessageBox::StandardButton(box.exec());
}

void WidgetPrompts::setConflictSettler(ConflictSettler settler)
{
    conflictSettler = std::move(settler);
}

bool WidgetPrompts::settleConflicts(QWidget* parent, QList<MergeConflict>& conflicts)
{
    return conflictSettler && conflictSettler(parent, conflicts);
}

namespace {

// Icons and kinds told by name alone. Qt's own provider guesses each file's
// type from its first bytes: in a working folder of 100,000 device files the
// dialog read them all, for seconds, before it listed the picture.
class PlainFileIcons : public QAbstractFileIconProvider {
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return Text::tr("Folder");
        if (info.suffix().isEmpty())
            return Text::tr("File");
        //: The kind of a file in the file dialog: %1 the end of its name in capitals, e.g. "PNG File"
        return Text::tr("%1 File").arg(info.suffix().toUpper());
    }
};

QString chosenFile(QFileDialog& dialog)
{
    makeQuick(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

void makeQuick(QFileDialog& dialog)
{
    static PlainFileIcons icons;
    dialog.setIconProvider(&icons);
}

QString WidgetPrompts::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString WidgetPrompts::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return chosenFile(dialog);
}
