#pragma once

#include <string>
#include <vector>

namespace orvane {

// The script without the white space it starts with.
std::wstring WithoutLeadingSpace(const std::wstring& script);

// The command line given to PowerShell for a script: the script becomes the body of a
// function named _, which is called at once and whose output goes to the file at
// outputPath in the system's default encoding. The line starts with a space: the
// program's path is passed apart, as the application name.
std::wstring PowerShellCommandLine(const std::wstring& script, const std::wstring& outputPath);

// The lines of a text file's contents, as a text-mode reader gives them: a line ends at
// "\n" (a "\r" before it is dropped), and the end of the text ends the last line unless
// it is empty.
std::vector<std::wstring> TextLines(const std::wstring& text);

} // namespace orvane
