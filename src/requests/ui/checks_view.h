#pragma once

#include <QWidget>

namespace vn {

// "SQL Checks...": where a Checks request ends; "Return" goes back to the builder.
class ChecksView : public QWidget {
    Q_OBJECT
public:
    explicit ChecksView(QWidget* parent = nullptr);

signals:
    void returnClicked();
};

}  // namespace vn
