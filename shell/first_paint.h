#pragma once
#include <QWidget>
#include <functional>

namespace shell {

// Runs `work` once, after `window` has been painted for the first time and
// the events waiting then are handled: work that makes a later click faster
// without delaying what the user sees first.
void RunAfterFirstPaint(QWidget& window, std::function<void()> work);

}  // namespace shell
