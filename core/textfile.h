#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pickwise::textfile {

// The one reader of the program's text files: results CSV, entry text files
// and wheel definitions. Any bytes are read without fault; nothing here looks
// at an encoding beyond dropping a UTF-8 byte order mark.

// The lines of a text. A line ends at CR, LF or CR LF, so files from any
// system read alike; a final line end starts no further line, and a final line
// without one is kept. A UTF-8 byte order mark at the very start is dropped.
std::vector<std::string> lines(std::string_view content);

// The fields of one line, split at commas. A field whose first character
// after blanks is a double quote runs to the next double quote, commas
// included, and loses whatever follows that quote up to the next comma (or to
// the end of the line when no quote closes it). Other fields lose their
// leading and trailing blanks and tabs. An empty line has one empty field.
std::vector<std::string> fields(std::string_view line);

// fields(line)[0], without splitting the rest of the line.
std::string firstField(std::string_view line);

// The whole content of an existing file; an error text or "".
std::string read(const std::string &path, std::string &content);

} // namespace pickwise::textfile
