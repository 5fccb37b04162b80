#pragma once

#include <functional>

class QDialog;

// Shows the station's modal dialogs. Tests install a hook that works the dialog and returns, so no
// test ever waits on a dialog's own event loop.
namespace Modal {

int run(QDialog* dialog);

using Hook = std::function<void(QDialog*)>;
void setHook(Hook hook);

} // namespace Modal
