#pragma once

#include <QStringList>

#include <array>

// The items of one option combo box under one protocol; no items leaves it empty.
struct OptionChoices {
    QStringList items;
    int defaultIndex = -1;
};

// What "Set default values" resets among the seven options before window size.
enum class DefaultsReset { AllOptions, SecurityOnly, NoOptions };

inline constexpr int kOptionCount = 7; // colour depth .. security; window size is handled apart

struct Protocol {
    QString displayText;
    QString shortName;
    bool remoteAppAllowed;
    std::array<OptionChoices, kOptionCount> options;
    bool hasWindowSize;
    DefaultsReset defaultsReset;
};

inline constexpr int kProtocolCount = 12;
inline constexpr int kRdpIndex = 2;
inline constexpr int kPercentOfScreen = 1;
inline constexpr int kWindowSizeDefault = 2;

// Index = position in the protocol combo box = the stored index_conxn_type.
const std::array<Protocol, kProtocolCount>& protocolTable();
const QStringList& windowSizeItems();

// A choice as a list shows it: in the user's language (the English one is what is stored).
QString shownChoice(const QString& choice);
