#include "app/AboutDialog.h"

#include "model/ProductInfo.h"
#include "ui_aboutdialog.h"

#include <QDesktopServices>
#include <QUrl>

AboutDialog::AboutDialog(QWidget* parent, const QString& versionText)
    : QDialog(parent), ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    connect(ui->btnClose, &QPushButton::clicked, this, &AboutDialog::onCloseClicked);
    connect(ui->btnWebsite, &QPushButton::clicked, this, &AboutDialog::onWebsiteClicked);
    ui->lblVersion->setText(versionText);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::onCloseClicked(bool)
{
    close();
}

void AboutDialog::onWebsiteClicked(bool)
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProductWebPage)));
    close();
}
