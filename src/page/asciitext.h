// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace larkspan {

// UTF-8 to plain ASCII: every character above 127 becomes its decimal numeric character reference ("&#233;",
// "&#26085;") and every byte that is not part of well-formed UTF-8 the reference of the replacement character,
// "&#65533;". ASCII, line ends included, passes unchanged. ASCII reads the same in every code page a browser may
// assume, so a page written this way shows as typed whatever charset its server announces.
std::string EncodeAsAscii(std::string_view utf8);

// The text as EncodeAsAscii gives it: the text itself when it is ASCII already, as nearly every page is, so that a
// large page is not copied; otherwise its encoding, kept in encoded.
std::string_view AsAscii(std::string_view utf8, std::string& encoded);

// The length of the well-formed UTF-8 sequence at the start of bytes (1 for ASCII), or 0 where none starts: a lead
// byte without its continuation bytes, an overlong form, a surrogate or a code point above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view bytes);

bool IsWellFormedUtf8(std::string_view bytes);

// The page file's bytes back to UTF-8, undoing EncodeAsAscii exactly where it acted: a decimal reference in its own
// spelling ("&#" digits ";", no leading zero) of a character above 127, "&#65533;" included, becomes that character.
// Every other reference stays text as it stands, so that a "&#60;" or "&amp;" that the user typed keeps its meaning
// and writing the page again gives the same file: for well-formed UTF-8 s whose first line end, if any, is CR LF,
// EncodeAsAscii(DecodePageFile(EncodeAsAscii(s))) == EncodeAsAscii(s). Bytes above 127 that are all well-formed
// UTF-8 come from an editor that saved the page again, and are kept; otherwise they come from pages saved in the
// ANSI code page before the pages became ASCII and are read as Windows-1252, whose five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the C1 controls of the same number, as Windows itself converts them. A UTF-8 byte-order
// mark is dropped. When the first line ends in a lone LF or a lone CR, as after a transfer in text mode or a
// checkout, every LF, CR and CR LF becomes CR LF.
std::string DecodePageFile(std::string_view bytes);

} // namespace larkspan
