#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>

namespace app {

/// The message box that tells the user at the screen why the window could not be built.
std::unique_ptr<QMessageBox> MakeBuildFailureMessage(const QString& reason);

} // namespace app
