// Transfer ("転送"): putting the composed text on the clipboard in the
// chosen mode, finding the application to paste into, and pasting.
//
// While the program is in the background, the search timer remembers the
// foreground window as the target. F9 puts the text on the clipboard; with
// AutoPasteFlg the target is brought back and, PaTimer ms later, receives a
// synthesised Ctrl+V. The program never checks that the paste arrived.
//
// Timer rules: TransTimer runs only while another application is active
// (the view forwards the application's activation notices); PasteTimer is
// one-shot. Both read their interval from the settings when started.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "settings/Settings.h"
#include "platform/platform.h"
#include "transfer/TargetSearch.h"
#include "transfer/TransferModes.h"
#include "transfer/TransferPort.h"

namespace tess {

inline constexpr int kTransTimerId = 4201;
inline constexpr int kPasteTimerId = 4202;

inline constexpr std::uint16_t kVkControl = 0x11;
inline constexpr std::uint16_t kVkV = 0x56;

// "Tessaline" without a target; with one, "Tessaline    転送先：[ " + title + " ]".
std::u16string TargetCaption(bool held, std::u16string_view title);

class TransferModel {
public:
    // `sysFolder` receives "Work.rtf" for modes 2 and 11; `lastPlayedAudio`
    // gives the audio file the word list played last (extension included,
    // empty when none), which the target search passes over.
    TransferModel(Platform& platform, Settings& settings, TransferPort& port,
                  std::u16string sysFolder, std::function<std::u16string()> lastPlayedAudio = {});
    ~TransferModel();
    TransferModel(const TransferModel&) = delete;
    TransferModel& operator=(const TransferModel&) = delete;

    // The owner tells the current language: its name begins the foreign
    // modes' texts ("タイ語 ﾘｯﾁ1"), its charset goes with their rich text.
    void LanguageChanged(std::u16string name, int charset);

    // Writes the mode display of TransMode into Edit2 (empty for a value
    // outside the nine).
    void ShowTransferMode();
    // TRMode01Click ... TRMode14Click: TransMode := mode, then the display.
    void TRModeClick(int mode);

    // F9 and the "転送" button.
    void TransferTxt1Execute();

    // The input area's focus-entry handler, after the keyboard layout: with
    // AutoTransFlg, Memo1 selects mode 1 and Edit1 mode 11.
    void OnAreaEntered(InputArea area);

    // ApplicationEvents1Activate / ApplicationEvents1Deactivate.
    void OnApplicationActivate();
    void OnApplicationDeactivate();

    void TransTimerTimer();
    void PasteTimerTimer();

    // Brings the target to the front and starts the paste timer; a target
    // that will not come to the front is forgotten and nothing is pasted.
    // Also the PAD's transfer.
    void StartPaste();
    // Forgets the target and shows so. Also the PAD's automatic-paste box.
    void ClearTarget();

    // The automatic-paste check box: checked sets AutoPasteFlg; unchecked
    // clears it and forgets the target.
    void CheckBox3Click(bool checked);

    // Whether a window of the program is open ("PadFrm").
    bool IsFormOpen(const std::u16string& name) { return port_.IsFormOpen(name); }

    bool TargetHeld() const { return targetHeld_; }
    WindowId TargetWindow() const { return targetWindow_; }
    const std::u16string& TargetTitle() const { return targetTitle_; }
    // The main window's caption for the present target state.
    std::u16string Caption() const { return TargetCaption(targetHeld_, targetTitle_); }

private:
    // Puts `text` on the clipboard in `mode`; false when Work.rtf could not
    // be written (the user has been told).
    bool FillClipboard(TransferMode mode, const std::u16string& text);
    void ShowTargetState();

    Platform& platform_;
    Settings& settings_;
    TransferPort& port_;
    std::u16string sysFolder_;
    std::function<std::u16string()> lastPlayedAudio_;
    std::u16string languageName_;
    int langCharset_ = 0;

    bool targetHeld_ = false;
    WindowId targetWindow_ = 0;
    std::u16string targetTitle_;
};

}  // namespace tess
