#pragma once

#include <QGroupBox>

namespace vn {

// "Add to SQL Request Queue List...": the name box and "Add Now", shown after a request has run.
// Storing the named request waits for the request queue.
class QueueNameBox : public QGroupBox {
    Q_OBJECT
public:
    QueueNameBox(const QString& objectName, QWidget* parent);
};

}  // namespace vn
