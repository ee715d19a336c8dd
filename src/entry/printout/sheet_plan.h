#pragma once

namespace vn {

// Two list pages to a sheet, odd pages in the upper half, even in the lower. A new sheet starts
// before pages 3 and 5 and also whenever the page's half is already taken on the sheet, so a
// page 4 without a page 3 never lands on page 2.
class SheetPlan {
public:
    static int half(int page) { return page % 2 == 1 ? 1 : 2; }

    // Takes the page's half; true when a new sheet must start first.
    bool place(int page) {
        const int bit = 1 << half(page);
        const bool fresh = page == 3 || page == 5 || (m_taken & bit) != 0;
        if (fresh) m_taken = 0;
        m_taken |= bit;
        return fresh;
    }

private:
    int m_taken = 0;
};

}  // namespace vn
