#pragma once

#include "requests/builder/request_builder.h"

#include <functional>

namespace vn {

// Hands one user event to the builder, then has the window drawn again. Events that arrive while
// the window is being drawn (a box that loses the focus as it is hidden, a list refilled) are
// not the user's and are dropped.
class BuilderDriver {
public:
    BuilderDriver(RequestBuilder& builder, std::function<void()> redraw)
        : m_builder(builder), m_redraw(std::move(redraw)) {}

    template <typename Event>
    void operator()(Event event) {
        if (m_drawing) return;
        event(m_builder);
        redraw();
    }
    void redraw() {
        m_drawing = true;
        m_redraw();
        m_drawing = false;
    }
    bool drawing() const { return m_drawing; }
    RequestBuilder& builder() { return m_builder; }

private:
    RequestBuilder& m_builder;
    std::function<void()> m_redraw;
    bool m_drawing = false;
};

}  // namespace vn
