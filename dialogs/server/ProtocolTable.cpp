#include "dialogs/server/ProtocolTable.h"

#include <QCoreApplication>

namespace {

// The choices in English are what zev.conf stores, or the wording the dialog reads the stored
// value from; a list shows them translated (the protocols keep their names).
const QString k8Bit = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "8 bit"));
const QString k16Bit = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "High color (16 bit)"));
const QString k24Bit = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "True color (24 bit)"));
const QString k32Bit = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "True color (32 bit)"));
const QString kAuto = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Auto"));
const QString kMedium = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Medium"));
const QString kHigh = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "High"));
const QString kBest = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Best"));
const QString kYes = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Yes"));
const QString kNo = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "No"));
const QString kLan = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Low (LAN)"));
const QString kWan = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Medium (WAN)"));
const QString kInternet = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "High (Internet/VPN)"));
const QString kDefault = QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Default"));
const QString kSsl = QStringLiteral("SSL");
const QString kNla = QStringLiteral("NLA");

const OptionChoices kNone{};
OptionChoices choices(const QStringList& items, int defaultIndex)
{
    return {items, defaultIndex};
}

const QStringList kAllDepths{k8Bit, k16Bit, k24Bit, k32Bit, kAuto};
const QStringList kQualities{kMedium, kHigh, kBest, kAuto};
const QStringList kYesNo{kYes, kNo};
const QStringList kLatencies{kLan, kWan, kInternet, kAuto};

// Colour depth, graphics quality, audio quality, redirect audio, redirect mic, latency, security.
std::array<Protocol, kProtocolCount> buildTable()
{
    using DR = DefaultsReset;
    const auto only = [](const QString& item) { return choices({item}, 0); };
    return {{
        {"Citrix HDX", "hdx", false,
         {choices({k8Bit, k16Bit, k24Bit, kAuto}, 3), only(kAuto), choices(kQualities, 3), choices(kYesNo, 0),
          choices(kYesNo, 0), only(kAuto), choices({kDefault, kSsl}, 0)},
         true, DR::AllOptions},
        {"RemoteFX", "rfx", true,
         {only(k32Bit), choices(kQualities, 3), only(kBest), choices(kYesNo, 0), choices(kYesNo, 1),
          choices(kLatencies, 3), choices({kDefault, kSsl, kNla}, 0)},
         true, DR::AllOptions},
        {"RDP", "rdp", true,
         {choices(kAllDepths, 4), choices(kQualities, 3), only(kBest), choices(kYesNo, 0), choices(kYesNo, 0),
          choices(kLatencies, 3), choices({kDefault, kSsl, kNla}, 0)},
         true, DR::AllOptions},
        {"VNC", "vnc", false,
         {choices(kAllDepths, 4), choices(kQualities, 3), kNone, only(kNo), only(kNo), choices(kLatencies, 3),
          choices({kDefault, kSsl}, 0)},
         true, DR::AllOptions},
        {"X11", "x11", false,
         {choices(kAllDepths, 4), only(kBest), kNone, only(kNo), only(kNo), only(kLan), only(kDefault)},
         true, DR::AllOptions},
        {"Spice", "spice", false,
         {choices({k16Bit, k32Bit, kAuto}, 2), only(kAuto), only(kAuto), choices(kYesNo, 0), choices(kYesNo, 0),
          choices(kLatencies, 3), choices({kDefault, kSsl}, 0)},
         true, DR::AllOptions},
        {"NoMachine NX", "nx", false,
         {choices(kAllDepths, 4), choices(kQualities, 1), only(kBest), choices(kYesNo, 0), only(kNo),
          choices(kLatencies, 0), only(kDefault)},
         true, DR::AllOptions},
        {"Web", "web", false,
         {only(k32Bit), only(kBest), only(kBest), only(kNo), only(kNo), kNone, kNone}, true, DR::AllOptions},
        {"Telnet", "telnet", false,
         {only(k32Bit), only(kBest), only(kBest), only(kNo), only(kNo), kNone, only(kDefault)}, true,
         DR::NoOptions},
        {"Tn3270", "tn3270", false,
         {only(k32Bit), only(kBest), only(kBest), only(kNo), only(kNo), kNone, choices({kDefault, kSsl}, 0)}, true,
         DR::SecurityOnly},
        {"VMWare View", "vmview", false,
         {choices(kAllDepths, 4), choices(kQualities, 3), only(kBest), choices(kYesNo, 0), choices(kYesNo, 0),
          choices(kLatencies, 3), choices({kDefault, kSsl, kNla}, 0)},
         true, DR::AllOptions},
        {"Authentic8", "authentic8", false, {kNone, kNone, kNone, kNone, kNone, kNone, kNone}, false,
         DR::NoOptions},
    }};
}

} // namespace

const std::array<Protocol, kProtocolCount>& protocolTable()
{
    static const std::array<Protocol, kProtocolCount> table = buildTable();
    return table;
}

const QStringList& windowSizeItems()
{
    static const QStringList items{QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Full screen")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ProtocolTable", "Percent of screen")), kAuto};
    return items;
}

QString shownChoice(const QString& choice)
{
    return QCoreApplication::translate("ProtocolTable", choice.toUtf8().constData());
}
