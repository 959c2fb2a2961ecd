#pragma once

#include "wizard/ModalWindow.h"

#include <QStringList>

#include <functional>

namespace stoupe::testing {

// Answers every modal window the code under test opens, so that no test waits
// on a window nobody will close. Records each window's use; the default
// answer closes the window as Escape would.
class ModalScript {
public:
    using Answer = std::function<void(ModalWindow&)>;

    ModalScript() {
        ModalWindow::setShownHook([this](ModalWindow& window) {
            uses << window.use();
            if (answer)
                answer(window);
            if (window.isVisible())
                window.GoAway();
        });
    }
    ~ModalScript() { ModalWindow::setShownHook({}); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    QStringList uses;
    Answer answer;
};

} // namespace stoupe::testing
