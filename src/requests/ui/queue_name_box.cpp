#include "requests/ui/queue_name_box.h"

#include "requests/builder/request_menu.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vn {

QueueNameBox::QueueNameBox(const QString& objectName, QWidget* parent)
    : QGroupBox(QStringLiteral("Add to SQL Request Queue List..."), parent) {
    setObjectName(objectName);
    auto* form = new QFormLayout(this);
    auto* name = new QLineEdit(this);
    name->setObjectName(QStringLiteral("requestNameEdit"));
    auto* addNow = new QPushButton(QStringLiteral("Add Now"), this);
    addNow->setObjectName(QStringLiteral("addNowButton"));
    addNow->setEnabled(false);
    addNow->setToolTip(kNotYetAvailable);
    form->addRow(QStringLiteral("Name Request:"), name);
    form->addRow(addNow);
}

}  // namespace vn
