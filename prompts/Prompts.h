#pragma once

#include "model/ConfigMerge.h"

#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

// Every message box and file dialog of the program goes through here, so the
// tests can answer them without a person and check their exact words.
class Prompts {
public:
    virtual ~Prompts() = default;

    // details, when given, go behind the box's "Show Details..." button (the reason of a failure).
    virtual void information(QWidget* parent, const QString& title, const QString& text,
                             const QString& details = QString()) = 0;
    virtual void warning(QWidget* parent, const QString& title, const QString& text,
                         const QString& details = QString()) = 0;
    // escapeButton is the answer that Escape and the title bar's close give;
    // buttonTexts words buttons otherwise than their standard text.
    virtual QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton,
                                                 QMessageBox::StandardButton escapeButton,
                                                 const QMap<QMessageBox::StandardButton, QString>& buttonTexts = {}) = 0;
    // The conflicts of a merge, each set to be kept as mine or theirs; false: cancelled.
    virtual bool settleConflicts(QWidget* parent, QList<MergeConflict>& conflicts) = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;

    // The prompts in use: the real boxes unless a test installed others.
    static Prompts& current();
    // Installs replacement prompts (not owned); nullptr restores the real ones.
    static void install(Prompts* prompts);

    // The common Yes/No question with Yes as the default button; Escape answers No
    // unless the question says otherwise.
    static QMessageBox::StandardButton askYesNo(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButton escapeButton = QMessageBox::No);
};

// A file dialog that lists a folder of many thousand files at once: it tells
// files apart by name, never by reading them.
void makeQuick(QFileDialog& dialog);

// The real thing: QMessageBox and QFileDialog.
class WidgetPrompts : public Prompts {
public:
    void information(QWidget* parent, const QString& title, const QString& text,
                     const QString& details = QString()) override;
    void warning(QWidget* parent, const QString& title, const QString& text,
                 const QString& details = QString()) override;
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton,
                                         QMessageBox::StandardButton escapeButton,
                                         const QMap<QMessageBox::StandardButton, QString>& buttonTexts = {}) override;
    // Through the conflict dialog, which the window installs here: this layer knows no dialog of its own.
    using ConflictSettler = std::function<bool(QWidget* parent, QList<MergeConflict>& conflicts)>;
    static void setConflictSettler(ConflictSettler settler);
    bool settleConflicts(QWidget* parent, QList<MergeConflict>& conflicts) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
};
