#include "app/FailureMessage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QIcon>

namespace app {

std::unique_ptr<QMessageBox> MakeBuildFailureMessage(const QString& reason)
{
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Critical, QCoreApplication::translate("RunPicker", "Date picker"),
        QCoreApplication::translate("RunPicker", "The window could not be built.\n\n%1").arg(reason), QMessageBox::Ok);
    // Right to left, the style puts a button's icon where the caption belongs and pushes the
    // caption against the border; a caption alone is centred in either direction.
    if (box->layoutDirection() == Qt::RightToLeft)
        for (QAbstractButton* button : box->buttons())
            button->setIcon(QIcon());
    return box;
}

} // namespace app
