#pragma once
// Reading and writing the program's text files: whole files in, whole files out, CR LF lines.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace TextFile {

enum class Error {
    None,
    NotFound,   // the file or its folder does not exist
    Access,     // the file or folder may not be read or written (read-only, locked, no permission)
    NotRegular, // a pipe, a device or a socket stands at the path: no file to read or replace
    DiskFull,   // no space left on the disk, or the user's quota is used up
    Mismatch,   // the file written did not read back as meant; the old file was kept
    Other,      // anything else: a device error, a file that is too large
};

// Reads a whole file. Files larger than maxBytes are refused with Error::Other; a path that names no
// regular file (a pipe, a device) with Error::NotRegular, without waiting for a writer.
Error ReadAll(const std::string& path, std::string& out, size_t maxBytes = size_t{256} << 20);

// Looks at the bytes of a file just written, as they read back from the disk; false refuses the file.
using ReadBackCheck = std::function<bool(std::string_view written)>;

// Writes a whole file without ever leaving a half-written one. The bytes go to a temporary file in the
// target's folder (unnamed where the file system allows it), are synced, read back and checked (byte for
// byte, then by check), and only then replace the target; the folder is synced after the rename.
// - A symbolic link is followed: its target (even one that does not exist yet) is written, the link kept.
// - The file keeps its mode and owner. A file with several hard links, or whose owner cannot be kept,
//   is overwritten in place once the new bytes have been checked, so that it stays one file.
// - Temporary files that an earlier, interrupted save of the same file left behind are removed.
// A target (or folder) the user may not write gives Error::Access, a pipe or device Error::NotRegular,
// a full disk Error::DiskFull, a failed check Error::Mismatch; the old file stays as it was.
Error WriteAll(const std::string& path, std::string_view bytes, const ReadBackCheck& check = {});

bool Exists(const std::string& path);

// What a file held when the program last read or wrote it, to notice a change by someone else.
struct Stamp {
    bool Exists = false;
    uint64_t Size = 0;
    uint64_t Hash = 0; // of the content
    bool operator==(const Stamp&) const = default;
};
// The stamp of the file at path now (links followed); Exists false when it cannot be read.
Stamp StampOf(const std::string& path);
// The stamp of bytes about to be written.
Stamp StampOfBytes(std::string_view bytes);

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
