// The main window's two input areas, by one name everywhere: the foreign
// area (Thai, Myanmar, Lao or Khmer; the system calls it Memo1) and the
// phonetic area (IPA; Edit1).
#pragma once

namespace tess {

enum class InputArea { None, Foreign, Phonetic };

}  // namespace tess
