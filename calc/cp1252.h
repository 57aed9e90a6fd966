// Conversion between the program's UTF-8 strings and the Windows-1252 bytes of its text files.
#pragma once

#include <string>
#include <string_view>

namespace phonikon {

// UTF-8 to Windows-1252. Characters the code page cannot hold, and every byte of a malformed
// UTF-8 sequence, become "?".
std::string Utf8ZuCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number, so they survive a read and write.
std::string Cp1252ZuUtf8(std::string_view bytes);

}  // namespace phonikon
