#pragma once
// Reading and writing the program's text files: whole files in, whole files out, CR LF lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace TextFile {

enum class Error {
    None,
    NotFound, // the file or its folder does not exist
    Access,   // the file or folder may not be read or written (read-only, locked, no permission)
    Other,    // anything else: a device error, a disk that is full, a file that is too large
};

// Reads a whole file. Files larger than maxBytes are refused with Error::Other.
Error ReadAll(const std::string& path, std::string& out, size_t maxBytes = size_t{256} << 20);

// Writes a whole file without ever leaving a half-written one: the bytes go to a temporary file in the
// same folder, which replaces the target only when everything was written. A target (or folder) the
// user may not write gives Error::Access and is left alone.
Error WriteAll(const std::string& path, std::string_view bytes);

bool Exists(const std::string& path);

// True when path is a folder the program may create files in. A folder without any write permission
// counts as read-only for everybody, the administrator included, as a file does for WriteAll.
bool FolderWritable(const std::string& path);

// Creates the folder and any missing parents, each new one open to its owner only (0700). An existing
// folder is fine; a file in the way gives Error::Access, a refused creation Error::Access or NotFound.
Error MakeFolders(const std::string& path);

// The file name of a path: the part after its last "/".
std::string FileNameOf(const std::string& path);

// True when the file name of the path (not its folders) contains a ".": "/home/john.doe/puzzle" has none.
bool FileNameHasDot(const std::string& path);

// Splits file bytes into lines; a line ends at CR LF, LF or a lone CR. A final line without an end counts.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// Sequential reader of lines, as the readers of crossword and answers files use it.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : lines_(SplitLines(bytes)) {}
    // Next line, or false at the end of the file.
    bool Next(std::string& line);
    bool AtEnd() const { return pos_ >= lines_.size(); }
    size_t Remaining() const { return lines_.size() - pos_; }

  private:
    std::vector<std::string_view> lines_;
    size_t pos_ = 0;
};

// Delimited fields as the settings and language files are read: leading blanks skipped; a text field
// ends at a comma or the line end, a field that begins with a double quote runs to the next double
// quote; a number field ends at a blank, a comma or the line end.
class FieldReader {
  public:
    explicit FieldReader(std::string_view bytes) : s_(bytes) {}
    bool AtEnd() const { return pos_ >= s_.size(); }
    // A text field; false at the end of the file.
    bool Text(std::string& out);
    // The raw text of a number field; false at the end of the file.
    bool NumberField(std::string& out);
    // The rest of the current line (not including the line end), then moves past the line end.
    bool RestOfLine(std::string& out);

  private:
    void skipBlanks();
    void skipLineEnd();
    void finishField(); // after a field: blanks, then one comma or one line end
    std::string_view s_;
    size_t pos_ = 0;
};

} // namespace TextFile
