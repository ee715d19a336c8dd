#pragma once

#include <QGuiApplication>

namespace vn::test {

// Painting text (PDFs, pictures) needs a GUI application; GoogleTest's main makes none.
inline void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace vn::test
