#include "app/QtMessages.h"

#include "runtime/ErrorLines.h"

#include <QString>
#include <QtGlobal>

namespace qtmessages {
namespace {

void Write(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    runtime::WriteErrorLines(qFormatLogMessage(type, context, text).toLocal8Bit().toStdString());
}

// A fatal message is Qt's last word before it aborts: it goes out even so.
void DropAllButFatal(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        Write(type, context, text);
}

} // namespace

void Route()
{
    const bool shown = !qEnvironmentVariableIsEmpty("QT_LOGGING_RULES");
    qInstallMessageHandler(shown ? &Write : &DropAllButFatal);
    if (!shown)
        runtime::KeepStandardErrorForOwnLines();
}

} // namespace qtmessages
