#pragma once

#include <QWidget>

namespace vn {

// "Varnedo File Definitions...": the legend of the exchange files' names; "Return".
class FileDefinitionsView : public QWidget {
    Q_OBJECT
public:
    explicit FileDefinitionsView(QWidget* parent = nullptr);

signals:
    void closed();
};

}  // namespace vn
