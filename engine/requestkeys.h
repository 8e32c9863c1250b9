#ifndef KVB_REQUESTKEYS_H
#define KVB_REQUESTKEYS_H

#include <array>

// The keys of the two requests, as the pages write them into their texts and
// the engine client looks them up.
namespace RequestKeys {

inline constexpr char Address1[] = "ADDRESS1";
inline constexpr char Address2[] = "ADDRESS2";
inline constexpr char City[] = "CITY";
inline constexpr char State[] = "STATE";
inline constexpr char RegionName[] = "REGION_NAME";
inline constexpr char Postcode[] = "POSTCODE";
inline constexpr char Country[] = "COUNTRY";
inline constexpr char CountryName[] = "COUNTRY_NAME";

inline constexpr char SystemId[] = "SystemID";
inline constexpr char Serial[] = "Serial";
inline constexpr char FirstName[] = "FirstName";
inline constexpr char LastName[] = "LastName";
inline constexpr char Company[] = "Company";
inline constexpr char Department[] = "Department";
inline constexpr char Email[] = "Email";
inline constexpr char Phone[] = "Phone";
inline constexpr char Title[] = "Title";
inline constexpr char PurchaseDate[] = "PurchaseDate";
inline constexpr char BusinessType[] = "BusinessType";
inline constexpr char PurchaseLocation[] = "PurchaseLocation";
inline constexpr char UserType[] = "UserType";
inline constexpr char WorkType[] = "WorkType";
inline constexpr char OtherSystems[] = "OtherSystems";
inline constexpr char Reseller[] = "Reseller";
inline constexpr char WorkTypeOther[] = "WorkTypeOther";
inline constexpr char ThirdParty[] = "ThirdParty";
inline constexpr char ContactMe[] = "ContactMe";

// What the address check sends of the address text: neither name goes.
inline constexpr std::array<const char *, 6> Address
    = {Address1, Address2, City, State, Postcode, Country};

// What a registration sends of the registration text.
inline constexpr std::array<const char *, 25> Registration
    = {SystemId, Serial, FirstName, LastName, Company, Department, Email, Phone, Title,
        PurchaseDate, BusinessType, PurchaseLocation, UserType, WorkType, OtherSystems, Reseller,
        WorkTypeOther, ThirdParty, ContactMe, Address1, Address2, City, State, Postcode, Country};

} // namespace RequestKeys

#endif
