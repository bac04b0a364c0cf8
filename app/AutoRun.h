#pragma once

#include <string>

namespace orvane {

// The per-user Run value that starts the program at sign-in.
extern const wchar_t kRunKey[];
extern const wchar_t kRunValueName[];

// The command the Run value holds: the quoted program path and "-auto".
std::wstring AutoRunCommand(const std::wstring& programPath);

// Writes the Run value unless a string value is there already (it may name another
// copy of the program, which the user chose; it is kept).
void RegisterAutoRun(const std::wstring& programPath);

// Writes the Run value for this program, replacing whatever it held; and removes it.
// Registry failures are ignored.
void WriteAutoRun(const std::wstring& programPath);
void RemoveAutoRun();

} // namespace orvane
