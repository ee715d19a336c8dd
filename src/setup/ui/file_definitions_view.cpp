#include "setup/ui/file_definitions_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

struct NamedPattern {
    const char* label;
    const char* pattern;
};

const NamedPattern kFiles[] = {
    {"Data transfer files:", "vnFFFTTT.vnd"},
    {"Form design transfer files:", "vnFFFTTTLLL.vnf"},
    {"Web form control files:", "vnLLLWEB.fcf"},
    {"Web  data submission (return) files:", "vnLLLWEBPPP...PNNN.wds"},
};

const char* const kLegend[] = {
    "FFF   From identifier",  "TTT  To identifier",          "LLL  Selected data list or form",
    "PPP  User phone number (length may vary)", "NNN  User initials", ".vnd   Varnedo data",
    ".vnf  Varnedo form",     ".fcf   Form control file",    ".wds  Web data submision",
};

QLabel* textLabel(QWidget* parent, const QString& text, const QString& objectName) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

}  // namespace

FileDefinitionsView::FileDefinitionsView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fileDefinitionsView"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel(this, QStringLiteral("Varnedo File Definitions..."), QStringLiteral("fileDefinitionsTitleLabel")));
    auto* files = new QGridLayout;
    int row = 0;
    for (const NamedPattern& f : kFiles) {
        files->addWidget(textLabel(this, QString::fromLatin1(f.label), QStringLiteral("fileLabel%1Label").arg(row + 1)), row, 0);
        files->addWidget(textLabel(this, QString::fromLatin1(f.pattern), QStringLiteral("filePattern%1Label").arg(row + 1)), row, 1);
        ++row;
    }
    layout->addLayout(files);
    layout->addWidget(textLabel(this, QStringLiteral("Legend:"), QStringLiteral("legendTitleLabel")));
    int n = 0;
    for (const char* line : kLegend)
        layout->addWidget(textLabel(this, QString::fromLatin1(line), QStringLiteral("legend%1Label").arg(++n)));
    auto* note = textLabel(this,
                           QStringLiteral("Please see the Varnedo documentation for a full description of the file "
                                          "names and formats used by Varnedo"),
                           QStringLiteral("documentationNoteLabel"));
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    auto* back = new QPushButton(QStringLiteral("Return"), this);
    back->setObjectName(QStringLiteral("definitionsReturnButton"));
    layout->addWidget(back, 0, Qt::AlignRight);
    connect(back, &QPushButton::clicked, this, &FileDefinitionsView::closed);
}

}  // namespace vn
