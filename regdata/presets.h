#ifndef KVB_PRESETS_H
#define KVB_PRESETS_H

#include "registrationrecord.h"

#include <QString>

// What an administrator sets for every user of the computer in the system's
// configuration, which KVB reads and never writes: details that fill the
// pages where no saved record does, and a common files folder for where the
// system names none. On Linux that is the file Tarn/KVB.conf in the folders
// of XDG_CONFIG_DIRS (by default /etc/xdg), on Windows the registry key
// HKEY_LOCAL_MACHINE\Software\Tarn\KVB:
//
//     [Defaults]
//     Company=Acme Studios
//     PurchaseLocation=Tarn Reseller
//     Reseller=Amberline Media Supply
//
//     [Data]
//     CommonFilesFolder=/srv/kvb
//
// Values are the ones that are saved and sent, in English whatever the
// language shown. A value KVB cannot take, and a name it does not know, is
// left out with a line on standard error.
namespace Presets {

// The [Defaults] as the pages take them: Company, Department and Country on
// the contact half, empty where none is given; PurchaseLocation, Reseller,
// BuyerDescription, BuyerBusiness and BuyerWorkType on the purchase half,
// each choice not given as its placeholder. A country or reseller must be
// one of the catalogues', and a choice an item of its menu.
RegistrationRecord defaults();

// [Data] CommonFilesFolder, when it is an absolute folder; else empty.
QString commonFilesFolder();

} // namespace Presets

#endif
