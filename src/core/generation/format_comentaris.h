#pragma once
// The reader of data/comentaris.txt, the professor's comment texts by key. The build step that
// compiles the texts into the core uses it, and so do the tests; the program itself holds the texts
// already read (comentaris.h).
//
// The format, line by line:
//   # ...          a comment (only at the start of a line)
//   (blank)        ignored
//   @clau          starts a text; the key is made of a-z, 0-9, '_' and '.', and is never repeated
//   anything else  a piece of the text of the last key; the pieces are joined as they stand, with
//                  nothing between them, so a sentence may start on a new line
// In a text, "\n" is the program's line break (CR LF), "\s" a space and "\\" a backslash; any other
// backslash is an error. A line may not end in a space or a tab (an editor would drop it): a space
// that ends a piece is written "\s". Spaces at the start of a piece are part of the text.
// "{nom}" marks a value filled in when the comment is written (a-z, 0-9 and '_'); a brace outside a
// well-formed mark is an error. A key with no text is an error.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quimerix {

struct Text_comentari {
    std::string clau;
    std::string text; // escapes resolved, marks kept as "{nom}"
};

// A fault in the file, with its line: "línia 12: ...".
struct Error_comentaris : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Every text of the file, in file order. Throws Error_comentaris.
std::vector<Text_comentari> llegeix_comentaris(std::string_view fitxer);

// The names of the marks of a text, in order, repeats included. Throws Error_comentaris when a
// brace is not part of a well-formed mark.
std::vector<std::string> marques(std::string_view text);

} // namespace quimerix
