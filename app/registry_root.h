// Root of the application's per-user registry profile, below HKEY_CURRENT_USER\Software.
#pragma once

inline constexpr wchar_t kRegistryRoot[] = L"应用程序向导生成的本地应用程序";
