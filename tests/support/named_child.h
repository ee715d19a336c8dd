#pragma once

#include <QObject>
#include <QString>

namespace vn::test {

// The child of parent (a pointer or a smart pointer) with that object name; a window test cannot
// go on without it.
template <typename T, typename Parent>
T* namedChild(const Parent& parent, const char* name) {
    T* child = parent->template findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no child named %s", name);
    return child;
}

}  // namespace vn::test
