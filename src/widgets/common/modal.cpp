#include "widgets/common/modal.h"

#include <QDialog>

namespace {
ModalDriver& Driver() {
    static ModalDriver driver;
    return driver;
}
} // namespace

void SetModalDriver(ModalDriver driver) {
    Driver() = std::move(driver);
}

int ExecModal(QDialog* dialog) {
    if (!Driver()) return dialog->exec();
    dialog->setModal(true);
    dialog->show();
    Driver()(dialog);
    dialog->hide();
    return dialog->result();
}
