#include "app/SettingsFile.h"

Settings DefaultSettings() { return Settings{}; }
void ReadSettingsText(std::string_view, Settings&) {}
std::string SettingsFileText(const Settings&) { return {}; }
