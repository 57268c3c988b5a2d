#pragma once
// Indexes of the interface texts that guard the user's files. Each message is shown as the File menu's
// caption, a blank, the file's path, a blank and the text.
#include <cstdint>

namespace FileSafetyText {
constexpr int32_t ChangedOnDisk = 76; // the file was changed by someone else since it was opened: overwrite?
constexpr int32_t NotRegular = 77;    // a pipe or a device stands at the path
constexpr int32_t DiskFull = 78;      // the disk (or the quota) is full
constexpr int32_t Mismatch = 79;      // the file written did not read back as meant; the old one is kept
} // namespace FileSafetyText
