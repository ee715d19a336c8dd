#include "shell/ui/main_window.h"

#include "store/files/folder_tree.h"
#include "store/program_version.h"

#include <QLabel>

namespace vn {

MainWindow::MainWindow(const QString& base, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("%1  Varnedo  [%2]").arg(FolderTree::stateName(), QString::fromLatin1(kProgramVersion)));
    auto* label = new QLabel(QStringLiteral("Installation: %1").arg(base), this);
    label->setObjectName(QStringLiteral("baseLabel"));
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(800, 600);
}

}  // namespace vn
