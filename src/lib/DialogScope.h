// The time a dialog, window or message box of the program shows, as one
// object: made as it opens, it tells its owner DialogShown(); ended as it
// closes, DialogClosed(). The owner (the keyboard layouts, or a word-book
// host that passes on to them) applies the dialog rule: in the Thai keyboard
// mode the start-up layout while the dialog shows, the Thai layout again
// after. Every place that shows one holds a scope, so the pairing is written
// once and holds on every way out.
#pragma once

namespace tess {

template <typename Owner>
class DialogScope {
public:
    explicit DialogScope(Owner& owner) : owner_(owner) { owner_.DialogShown(); }
    ~DialogScope() { owner_.DialogClosed(); }
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

private:
    Owner& owner_;
};

}  // namespace tess
