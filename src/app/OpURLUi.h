#pragma once
// Opens a document or an address with the desktop's associated program.
#include <QString>
#include <functional>

namespace OpURL {
// Failures are silent: nothing is reported and the program carries on.
void OpenDocument(const QString& target);
// Replaces the desktop call (tests); an empty function restores it.
void SetOpener(std::function<void(const QString&)> opener);
} // namespace OpURL
