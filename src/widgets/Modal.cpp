#include "Modal.h"

#include <QDialog>

namespace {
Modal::Hook g_hook;
}

namespace Modal {

int run(QDialog* dialog)
{
    if (g_hook) {
        Hook hook = g_hook; // the hook may open further dialogs
        dialog->setResult(QDialog::Rejected);
        hook(dialog);
        dialog->hide();
        return dialog->result();
    }
    return dialog->exec();
}

void setHook(Hook hook)
{
    g_hook = std::move(hook);
}

} // namespace Modal
