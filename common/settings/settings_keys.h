#pragma once

// Where the three programs keep their settings, and the names of the values there.

inline constexpr char SettingsKeyPath[] = "HKEY_CURRENT_USER\\Software\\Lumivo Mapper";
inline constexpr char WindowsPrinterKeyPath[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

// In the settings key: the number of mapping entries (lower-case "of"), the yes/no options
// and the Console's window placement, all REG_SZ.
inline constexpr char NumberofNetworksValueName[] = "NumberofNetworks";
inline constexpr char CheckForUpdatesValueName[] = "CheckForUpdates";
inline constexpr char SystemTrayValueName[] = "SystemTray";
// The tray program's notices of printer changes and its offers to learn a printer ("YES"/"NO").
inline constexpr char ShowNoticesValueName[] = "ShowNotices";
inline constexpr char WindowLeftValueName[] = "WLocX";
inline constexpr char WindowTopValueName[] = "WLocY";
inline constexpr char WindowWidthValueName[] = "WWidth";
inline constexpr char WindowHeightValueName[] = "WHeight";
// When the Manager or the tray program last started an update check by itself (REG_SZ, UTC).
inline constexpr char LastUpdateCheckValueName[] = "LastUpdateCheck";

// In the settings key, REG_MULTI_SZ, written by a change of the mapping table before it stores
// the table in the numbered subkeys, and emptied once they hold it.
inline constexpr char TableChangeValueName[] = "TableChange";

// In each numbered mapping subkey, REG_SZ.
inline constexpr char NetworkNameValueName[] = "NetworkName";
inline constexpr char PrinterNameValueName[] = "PrinterName";

// In the Windows key, REG_DWORD: 1 when Windows leaves the default printer to us.
inline constexpr char LegacyDefaultPrinterModeValueName[] = "LegacyDefaultPrinterMode";
// In the Windows key, REG_SZ, written by Windows: the default printer ("NAME,winspool,Ne00:").
inline constexpr char DeviceValueName[] = "Device";

// The texts of a yes/no option as the Console writes them.
inline constexpr char OptionYesText[] = "YES";
inline constexpr char OptionNoText[] = "NO";

// In the settings key, REG_MULTI_SZ, written by the Manager: what it did in its latest run.
inline constexpr char LastRunValueName[] = "LastRun";

// In the settings key, REG_MULTI_SZ of one line, written by the Manager at the end of each run:
// the connected networks' list it applied, for the tray program that it starts.
inline constexpr char AppliedNetworksValueName[] = "AppliedNetworks";

// In the settings key, REG_MULTI_SZ, written by the Manager at the end of each run: the network and
// printer of the entry it applied last, and the notice of what became of the default printer
// (title and text), which the tray program shows once.
inline constexpr char AppliedEntryValueName[] = "AppliedEntry";
inline constexpr char PrinterNoticeValueName[] = "PrinterNotice";

// In the settings key, REG_MULTI_SZ, written by the Manager: the printers it makes the default in
// its run, each written before the change; and, while the printer meant to stay the default is
// missing, the default printer it left followed by the network and printer of each entry to retry.
inline constexpr char RunPrintersValueName[] = "RunPrinters";
inline constexpr char PrinterRetryValueName[] = "PrinterRetry";
