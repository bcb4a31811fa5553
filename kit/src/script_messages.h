#pragma once
// What the kit tells the user about the script file, as printf formats of the file's name, in
// one place: pz417-script(5) quotes them, and a test holds the page to them.

namespace kit {

inline constexpr const char* CannotOpenToWrite = "Cannot open script file %s for writing\n";
inline constexpr const char* CannotWrite = "Cannot write to script file %s\n";
inline constexpr const char* CannotOpenToRead = "Cannot open script file %s for reading\n";
inline constexpr const char* CannotRead = "Cannot read script file %s\n";
inline constexpr const char* EndOfScript = "EOF encountered in script file %s\n";

}  // namespace kit
