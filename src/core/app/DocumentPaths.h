#pragma once

#include <string>
#include <string_view>

namespace corlinth {

// Where documents live. The product table writes sub-folders and file names Windows-style
// ("\Pirrow", "\Example (Sustain message).rtf"); these helpers join them with the platform's
// own separator.

// Windows mode keeps the documents under the folder the program was started in, without a
// trailing separator, so that a drive root "C:\" becomes "C:" (and "/" becomes "").
std::string documentsRootWindowsMode(std::string_view currentDirectory);

// Mac mode keeps them in the user's documents folder, in a folder of the maker's name.
std::string documentsRootMacMode(std::string_view userDocumentsFolder);

// root + separator + the Windows-style relative name, its backslashes turned into `separator`.
std::string joinDocumentPath(std::string_view root, std::string_view windowsStyleName,
                             char separator);

// The log-on name is read into a buffer of 255 characters; without one the maker's name is used.
std::string userNameOrDefault(std::string_view loginName);

}  // namespace corlinth
