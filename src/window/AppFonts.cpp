#include "window/AppFonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions("Segoe UI", QStringList{QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitution("Tahoma", "DejaVu Sans");
}
