// The names by which the program is known to the system and to the user.
#pragma once

namespace tess {

// The application title (task bar, main window caption).
inline constexpr char16_t kAppTitle[] = u"Tessaline";

// The system-wide named mutex that keeps the program to one instance.
inline constexpr char16_t kInstanceMutexName[] = u"南国タイの花の香り";

// Window class of the main window; the end-to-end driver finds it by this.
inline constexpr char16_t kMainWindowClass[] = u"TMainFrm";

}  // namespace tess
