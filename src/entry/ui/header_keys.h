#pragma once

#include <QObject>
#include <functional>

namespace vn {

// Enter and Tab in a header box do not type or jump: they leave the box the header's own way.
class HeaderKeys : public QObject {
public:
    HeaderKeys(QObject* parent, std::function<void(int field)> leave) : QObject(parent), m_leave(std::move(leave)) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int field)> m_leave;
};

}  // namespace vn
