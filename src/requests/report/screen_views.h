#pragma once

#include "requests/report/report_document.h"

#include <QString>

namespace vn {

// "View" + n + ".bmp": the pictures of the screen report in the Files folder.
QString viewFileName(int view);

// The outcome of "Screen": how many views were written; the reason when one could not be.
struct ScreenViews {
    int count = 0;
    QString failure;
};

// "Screen": erases the old views, then draws the report view by view and writes each as
// View1.bmp, View2.bmp, ... The window shows view 1 first.
ScreenViews writeScreenViews(const QString& filesFolder, const ReportDocument& report);

}  // namespace vn
