#ifndef KVB_REGISTRATIONRECORD_H
#define KVB_REGISTRATIONRECORD_H

#include "firstpagerecord.h"
#include "secondpagerecord.h"

// Everything the wizard collects, as RegInfo.xml holds it: the first page's
// half and the last page's half.
struct RegistrationRecord
{
    FirstPageRecord firstPage;
    SecondPageRecord secondPage;

    // The file's name inside the data folder, and its document element.
    static constexpr char fileName[] = "RegData/RegInfo.xml";
    static constexpr char documentElement[] = "Registration";
};

#endif
