// The main window's two input areas, by one name everywhere: the foreign
// area (Thai, Myanmar, Lao or Khmer; the system calls it Memo1) and the
// phonetic area (IPA; Edit1).
#pragma once

#include <string>

namespace tess {

enum class InputArea { None, Foreign, Phonetic };

// The two areas' texts as the models that read and replace them see them
// (the transfer, the word registration); the main window implements it.
// Memo1's lines end in CR LF.
class InputAreaTexts {
public:
    virtual ~InputAreaTexts() = default;
    virtual std::u16string AreaText(InputArea area) = 0;
    virtual void SetAreaText(InputArea area, const std::u16string& text) = 0;
};

}  // namespace tess
