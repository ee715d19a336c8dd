#include "requests/ui/request_windows.h"

#include "entry/ui/entry_window.h"
#include "requests/ui/builder_window.h"
#include "requests/ui/label_sheet_window.h"
#include "shell/core/navigation.h"

#include <memory>

namespace vn {

WindowFactories entryAndBuilderWindows(RequestBuilderWindow::PrintList printList) {
    // Whichever is made first, the builder finds the entry window when it needs it.
    auto entry = std::make_shared<RecordEntryWindow*>(nullptr);
    auto labels = std::make_shared<LabelSheetWindow*>(nullptr);
    const auto openRecord = [entry](const QList<ListingEntry>& entries, int position) {
        return *entry && (*entry)->openFromList(entries, position);
    };
    return {
        {EntryWindow, [entry](Session& s, Navigator& n) -> AppWindow* { return *entry = new RecordEntryWindow(s, n); }},
        {BuilderWindow,
         [openRecord, printList, labels](Session& s, Navigator& n) -> AppWindow* {
             auto* builder = new RequestBuilderWindow(s, n, openRecord, printList);
             builder->setOpenLabels([labels](const LabelRun& run) {
                 if (*labels) (*labels)->openRun(run);
             });
             return builder;
         }},
        {LabelSheetWindowNo, [labels](Session& s, Navigator& n) -> AppWindow* { return *labels = new LabelSheetWindow(s, n); }},
    };
}

}  // namespace vn
