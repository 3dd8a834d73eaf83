#pragma once

// The organization's policies for Lumivo: values that Group Policy or Intune write under the
// user's policy key, which users cannot change. Lumivo only reads them. The ADMX templates in
// policies/ describe every value named here, and a check of the test command holds the two
// together.

inline constexpr char PoliciesKeyPath[] = "HKEY_CURRENT_USER\\Software\\Policies\\Lumivo Mapper";

// In the policies key, REG_DWORD: 1 lets Lumivo set printers in remote sessions too.
inline constexpr char ApplyInRemoteSessionsValueName[] = "ApplyInRemoteSessions";

// The subkey of the policies key with the organization's places: one REG_SZ value per place,
// its name the place (a network name or an address range), its data the printer.
inline constexpr char PolicyPlacesSubKey[] = "Places";

// In the policies key, REG_DWORD: 0 keeps the users' own rows from being applied or changed.
inline constexpr char UserPlacesValueName[] = "UserPlaces";

// The options "CheckForUpdates", "SystemTray" and "ShowNotices" may be set here too, under the
// names they have in the settings key, as REG_SZ "YES"/"NO" or REG_DWORD 1/0.
