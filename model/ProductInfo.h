#pragma once

#include <QCoreApplication>
#include <QString>

// The product's web page, opened by "Online help", the tool-bar logo and the About box.
inline constexpr char kProductWebPage[] = "https://zev.example.org/help/";

// The product and its version, as the About box and zevctl --version give them;
// the version is the project's, set once in the build.
inline QString versionText()
{
    //: %1 the version number
    return QCoreApplication::translate("ProductInfo", "Quorvane Connection Manager Ver %1")
        .arg(QLatin1String(ZEV_VERSION));
}
