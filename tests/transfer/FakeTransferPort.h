// The main window as the transfer sees it, in memory: two input areas with
// text, selection and focus, and a record of what the transfer asked of the
// window. Focusing an area that did not have the focus runs the model's
// focus-entry rule, as the real window's focus handler does.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "transfer/TransferModel.h"
#include "transfer/TransferPort.h"

namespace tess::testing {

struct FakeTransferPort : TransferPort {
    // Runs when an area gets the focus (the main window's focus-entry rule);
    // by default the transfer model's own.
    TransferModel* model = nullptr;
    std::function<void(InputArea)> focusEntered;

    std::map<InputArea, std::u16string> text;
    std::map<InputArea, TextSelection> selection;
    std::optional<InputArea> focus;

    std::vector<RichCopy> richCopies;
    std::u16string modeText;
    struct Shown {
        TargetIndicator where;
        bool held;
        std::u16string caption;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;
    std::set<std::u16string> openForms;

    std::u16string AreaText(InputArea area) override { return text[area]; }
    TextSelection AreaSelection(InputArea area) override { return selection[area]; }
    void SelectInArea(InputArea area, TextSelection s) override { selection[area] = s; }
    void SetAreaText(InputArea area, const std::u16string& t) override {
        text[area] = t;
        selection[area] = {t.size(), 0};
    }
    void FocusArea(InputArea area) override {
        if (focus == area) return;
        focus = area;
        if (focusEntered) focusEntered(area);
        else if (model) model->OnAreaEntered(area);
    }
    void CopyRichText(const RichCopy& copy) override { richCopies.push_back(copy); }
    void ShowTransferModeText(const std::u16string& t) override { modeText = t; }
    void ShowTarget(TargetIndicator where, bool held, const std::u16string& caption) override {
        shown.push_back({where, held, caption});
    }
    bool IsFormOpen(const std::u16string& name) override { return openForms.count(name) != 0; }
};

}  // namespace tess::testing
