#pragma once

#include <string>
#include <string_view>

namespace larkspan {

// UTF-8 to plain ASCII: every character above 127 becomes its decimal numeric character reference ("&#233;",
// "&#26085;") and every byte that is not part of well-formed UTF-8 the reference of the replacement character,
// "&#65533;". ASCII, line ends included, passes unchanged. ASCII reads the same in every code page a browser may
// assume, so a page written this way shows as typed whatever charset its server announces.
std::string EncodeAsAscii(std::string_view utf8);

} // namespace larkspan
