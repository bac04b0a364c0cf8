#pragma once

#include <string>

namespace orvane {

// Language files keep each text on one line: the two-character sequences \r and \n
// stand for a carriage return and a line feed.
std::wstring ExpandLineBreaks(std::wstring text);

} // namespace orvane
