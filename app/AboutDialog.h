#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(QWidget* parent, const QString& versionText);
    ~AboutDialog() override;

private slots:
    void onCloseClicked(bool);
    void onWebsiteClicked(bool);

private:
    std::unique_ptr<Ui::AboutDialog> ui;
};
