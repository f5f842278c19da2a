#pragma once

// Messages the program adds for the cases it handles beyond the classic behaviour. They take
// the reserved indices from 612 upward, are English when built in and translatable like any
// other entry. Each subsystem owns a block of ten.
namespace zz::added {

// 612-619: workspace, settings file and language files
inline constexpr int SettingsNotWellFormed = 612;
inline constexpr int SettingsNotSaved = 613;
inline constexpr int LanguageFileUnreadable = 614;

// 620-629: main window and configurations
// 630-639: communication parameters
// 640-649: translate table and enabled functions
// 650-659: configuration image and bank file
// 660-669: device update
inline constexpr int NoWayToPing = 660;
inline constexpr int UpdaterMissing = 661;
inline constexpr int UpdaterNotStarted = 662;
inline constexpr int UpdateProgressCaption = 663;
inline constexpr int UpdateProgressLabel = 664; // %1: whole seconds since the start
inline constexpr int JobFileNotSaved = 665;
// 670-679: options and version check

} // namespace zz::added
