// The names by which the program is known to the system and to the user.
#pragma once

namespace tess {

// The application title (task bar, main window caption).
inline constexpr char16_t kAppTitle[] = u"Tessaline";

// The program's version: the one place it is written (the about box, the
// version-up marker, the installer read it from here).
inline constexpr char16_t kProgramVersion[] = u"3.6";

// Who makes it and where users reach them (the about box).
inline constexpr char16_t kDeveloperName[] = u"Quillory 開発グループ";
inline constexpr char16_t kDeveloperMail[] = u"tessaline@quillory.jp";
inline constexpr char16_t kSupportSite[] = u"https://quillory.jp/tessaline/";

// The system-wide named mutex that keeps the program to one instance.
inline constexpr char16_t kInstanceMutexName[] = u"南国タイの花の香り";

// Window class of the main window; the end-to-end driver finds it by this.
inline constexpr char16_t kMainWindowClass[] = u"TMainFrm";

}  // namespace tess
