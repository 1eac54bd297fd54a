// The codes start-up returns (0 is success) and the message each one shows the player.
#pragma once

#include <string>

namespace app {

namespace startup {
inline constexpr int kOk = 0;
inline constexpr int kNoArchive = 1;
inline constexpr int kGuiTable = 3;
inline constexpr int kGameTable = 4;
inline constexpr int kApplicationTable = 5;
inline constexpr int kSoundTable = 6;
inline constexpr int kInitScript = 7;
inline constexpr int kNoResolution = 8;
inline constexpr int kNoWindowObject = 10;
inline constexpr int kNoWindow = 11;
inline constexpr int kScreen = 13;
inline constexpr int kSound = 14;
inline constexpr int kKeyPointer = 15;
inline constexpr int kFontMenu = 18;
inline constexpr int kFontMenuActive = 19;
inline constexpr int kFontSmall = 20;
inline constexpr int kFontHiscores = 21;
inline constexpr int kFontHiscoresFraction = 22;
inline constexpr int kFontExperience = 23;  // both experience fonts
inline constexpr int kSongLoad = 25;
inline constexpr int kSongStart = 26;
inline constexpr int kIncompatibleResolution = 0x300;
inline constexpr int kGameAlreadyRunning = 0x1200;
}  // namespace startup

/// The message box text for a failed start-up: the two known conditions have their own texts,
/// every other code reads "App init error. Code : 0X0007" (printf "%#06X").
std::string StartupMessage(int code);

}  // namespace app
