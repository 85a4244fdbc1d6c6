// Guards both lists share: a list with no parent window handles its input but posts nothing.
#include "CChroListCtrl.h"
#include "CGroupListCtrl.h"
#include "ListTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using ui::RowPart;
using ui::RowPartPoint;

namespace {
constexpr DWORD kOrphanStyle = (kListStyle & ~WS_CHILD) | WS_POPUP;
const RECT kOrphanRect{50, 50, 450, 300};

// Creates one of the lists with no parent and two rows; the group list's check on row 0.
struct OrphanCase {
    const char* list;
    std::function<std::unique_ptr<CCheckListCtrl>()> make;
    bool doubleClick;   // the chromatogram list launches on a double click at the icon
};

const OrphanCase kOrphans[] = {
    {"chromatograms",
     [] {
         auto list = std::make_unique<CChroListCtrl>();
         EXPECT_TRUE(list->Create(kOrphanStyle, kOrphanRect, nullptr, 0));
         for (int row = 0; row < 2; ++row)
             list->AddItem(row, "c", "d", 10 + row, false);
         return std::unique_ptr<CCheckListCtrl>(std::move(list));
     },
     true},
    {"groups",
     [] {
         auto list = std::make_unique<CGroupListCtrl>();
         EXPECT_TRUE(list->Create(kOrphanStyle, kOrphanRect, nullptr, 0));
         for (int row = 0; row < 2; ++row)
             list->AddItem(row, 10 + row, "g", "c", row == 0);
         list->EnableChecks(true);
         return std::unique_ptr<CCheckListCtrl>(std::move(list));
     },
     false},
};

TEST(ListWithoutParent, InputPostsNothing)
{
    for (const OrphanCase& c : kOrphans) {
        const std::unique_ptr<CCheckListCtrl> list = c.make();
        ASSERT_EQ(list->GetParent(), nullptr) << c.list;
        CQueueWatch watch;
        ui::Click(*list, RowPartPoint(*list, 0, RowPart::Icon));
        ui::Click(*list, RowPartPoint(*list, 1, RowPart::CheckBox));
        ui::Click(*list, RowPartPoint(*list, 0, RowPart::Label));
        ui::RightClick(*list, RowPartPoint(*list, 0, RowPart::Label));
        if (c.doubleClick)
            ui::DoubleClick(*list, RowPartPoint(*list, 1, RowPart::Icon));
        ui::PumpPending();
        EXPECT_EQ(CQueueWatch::s_seen, Names{}) << c.list;
        // The press on the box was handled: the chromatogram's check toggled, the group's moved.
        // (With no parent, the list view itself cannot be asked for the marks.)
        EXPECT_EQ((Marks{list->GetCheck(0) != FALSE, list->GetCheck(1) != FALSE}), (Marks{false, true})) << c.list;
    }
}
}   // namespace
