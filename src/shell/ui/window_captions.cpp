#include "shell/ui/window_captions.h"

namespace vn {

const QList<WindowCaption>& applicationWindows() {
    static const QList<WindowCaption> windows = {
        {3, "designerWindow", "Create/Define Data List"},   {4, "archiveWindow", "Archive Utilities"},
        {6, "setupWindow", "Setup and Utilities"},     {7, "entryWindow", "Data List Selection/Use"},
        {8, "phraseEditorWindow", "Help Phrase Editor"}, {9, "builderWindow", "Request Builder"},
        {10, "labelSheetWindow", "Labels"},            {11, "importWindow", "Data Import"},
        {12, "exportWindow", "Data Export"},
    };
    return windows;
}

QString windowCaption(const QString& stateName, const QString& officeName, const char* function) {
    return stateName + QStringLiteral("  ") + officeName + QStringLiteral("  Varnedo  [") + QString::fromLatin1(function) +
           QStringLiteral("]");
}

QString openListCaption(const QString& stateName, const QString& officeName, const QString& listTitle) {
    return stateName + QStringLiteral("  ") + officeName + QStringLiteral("   Varnedo  ") + listTitle;
}

}  // namespace vn
